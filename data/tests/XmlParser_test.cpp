// The document tree, reader and writer on their own: the text they write, what they make of
// malformed markup, and trees far deeper than any stack would allow to recurse through.
#include "XmlParser.h"

#include <gtest/gtest.h>

namespace {

std::wstring Names(const CXmlElement* e)
{
    std::wstring out(e->Name());
    if (!e->Children().empty()) {
        out += L'(';
        for (const CXmlElement* c : e->Children())
            out += Names(c) + L' ';
        out.back() = L')';
    }
    return out;
}

TEST(XmlParser, Serialize_layoutOfValuesCollectionsAndEmptyElements)
{
    CXmlParser p;
    p.NewDocument(L"Root");
    CXmlElement* list = p.AddChildElement(p.Root(), L" \tList\r\n", L"");
    p.AddChildElement(list, L"Value", L"a&b<c>d");
    p.AddChildElement(list, L"Empty", nullptr);
    p.AddChildElement(p.Root(), L"Nothing", L"");
    EXPECT_EQ(p.Serialize(), std::wstring(CXmlParser::kProlog) +
                                 L"<Root>\r\n\t<List>\r\n\t\t<Value>a&amp;b&lt;c&gt;d</Value>\r\n\t\t<Empty/>\r\n\t</List>\r\n"
                                 L"\t<Nothing/>\r\n</Root>\r\n");
    EXPECT_EQ(std::wstring(CXmlParser::kProlog).size(), 41u);
}

TEST(XmlParser, Escape_onePassBothWays)
{
    EXPECT_EQ(CXmlParser::Escape(L"&lt;\"'"), L"&amp;lt;\"'");
    EXPECT_EQ(CXmlParser::Unescape(L"&amp;lt;"), L"&lt;");
    EXPECT_EQ(CXmlParser::Unescape(L"&lt;&gt;&amp;&quot;&apos;&#65;&"), L"<>&&quot;&apos;&#65;&");
    for (const wchar_t* text : {L"", L"a&b<c>d", L"&&amp;;<<>>", L"&lt;&gt;&amp;"})
        EXPECT_EQ(CXmlParser::Unescape(CXmlParser::Escape(text)), text);
}

TEST(XmlParser, Parse_readsWhatSerializeWrites)
{
    CXmlParser p;
    p.NewDocument(L"R");
    CXmlElement* a = p.AddChildElement(p.Root(), L"A", L"");
    p.AddChildElement(a, L"V", L"x < y & z");
    p.AddChildElement(a, L"E", L"");
    const std::wstring text = p.Serialize();
    CXmlParser q;
    ASSERT_EQ(q.Parse(text), 0);
    EXPECT_EQ(Names(q.Root()), L"R(A(V E))");
    CXmlElement* v = q.FindChildElement(q.FindChildElement(q.Root(), L"A"), L"V");
    EXPECT_EQ(q.GetElementText(v), L"x < y & z");
    EXPECT_EQ(q.GetElementText(q.FindChildElement(q.FindChildElement(q.Root(), L"A"), L"E")), L"");
}

TEST(XmlParser, Parse_attributesNamesAndUnbalancedTags)
{
    CXmlParser p;
    ASSERT_EQ(p.Parse(L"<?xml x?><Root  a=\"1\"  b='2' ><Item\tkind = 3 /><Open><Deeper></Root></Extra><Tail/>"), 0);
    EXPECT_EQ(p.Root()->Name(), L"Root");
    EXPECT_EQ(p.Root()->Attributes(), L"a=\"1\"  b='2'");
    ASSERT_EQ(p.Root()->Children().size(), 3u);
    // Only a blank ends a name; a tab stays in it.
    EXPECT_EQ(p.Root()->Children()[0]->Name(), L"Item\tkind");
    EXPECT_EQ(p.Root()->Children()[0]->Attributes(), L"= 3");
    // End tags are not matched: </Root> closes <Deeper>, </Extra> closes <Open>, and the tree
    // stops at the root.
    EXPECT_EQ(Names(p.Root()), L"Root(Item\tkind Open(Deeper) Tail)");
}

TEST(XmlParser, Parse_textIsRawAndLastRunWins)
{
    CXmlParser p;
    ASSERT_EQ(p.Parse(L"<R><A>  keep  blanks </A><B>one<C/>two</B><D>x > y</D></R>"), 0);
    EXPECT_EQ(p.GetElementText(p.FindChildElement(p.Root(), L"A")), L"  keep  blanks ");
    EXPECT_EQ(p.GetElementText(p.FindChildElement(p.Root(), L"B")), L"two");
    EXPECT_EQ(p.GetElementText(p.FindChildElement(p.Root(), L"D")), L"x > y");
    // A second parse replaces the whole tree.
    ASSERT_EQ(p.Parse(L"<Other/>"), 0);
    EXPECT_EQ(Names(p.Root()), L"Other");
}

TEST(XmlParser, Parse_nestingLimit)
{
    std::wstring text = L"<R>";
    for (int i = 0; i < CXmlParser::kMaxDepth; ++i)
        text += L"<a>";
    CXmlParser p;
    EXPECT_EQ(p.Parse(text), 0);
    EXPECT_EQ(p.Parse(text + L"<b/>"), 8);
    EXPECT_TRUE(p.Root()->Children().empty());
}

TEST(XmlParser, DeepTrees_writtenAndDestroyedWithoutRecursion)
{
    // Deeper than the stack could take if either walk recursed (the written text grows with
    // the square of the depth, so that walk is shown at a smaller depth).
    CXmlParser p;
    p.NewDocument(L"R");
    CXmlElement* e = p.Root();
    for (int i = 0; i < 3000; ++i)
        e = p.AddChildElement(e, L"d", L"");
    const std::wstring text = p.Serialize();
    const size_t innermost = text.find(L"<d/>");
    ASSERT_GT(innermost, 3001u);
    EXPECT_EQ(text.substr(innermost - 3001, 3001), L"\n" + std::wstring(3000, L'\t'));
    EXPECT_EQ(text.substr(innermost + 6, 2999), std::wstring(2999, L'\t'));
    for (int i = 0; i < 100000; ++i)
        e = p.AddChildElement(e, L"d", L"");
    p.NewDocument(L"again");
    EXPECT_TRUE(p.Root()->Children().empty());
}

TEST(XmlParser, ChildWalk_cursorAndNulls)
{
    CXmlParser p;
    ASSERT_EQ(p.Parse(L"<R><A/><B/><A>2</A></R>"), 0);
    CXmlElement* r = p.Root();
    EXPECT_EQ(p.FirstChildElement(r)->Name(), L"A");
    EXPECT_EQ(p.NextChildElement(r)->Name(), L"B");
    EXPECT_EQ(p.NextChildElement(r)->Name(), L"A");
    EXPECT_EQ(p.NextChildElement(r), nullptr);
    EXPECT_EQ(p.FindChildElement(r, L"B")->Name(), L"B");
    EXPECT_EQ(p.NextChildElement(r)->Name(), L"A"); // the cursor stayed on the found child
    EXPECT_EQ(p.FindChildElement(r, L"a"), nullptr); // names are case-sensitive
    EXPECT_EQ(p.FirstChildElement(nullptr), nullptr);
    EXPECT_EQ(p.NextChildElement(nullptr), nullptr);
    EXPECT_EQ(p.FindChildElement(nullptr, L"A"), nullptr);
    EXPECT_EQ(p.AddChildElement(nullptr, L"A", L""), nullptr);
    EXPECT_EQ(p.GetElementText(nullptr), L"");
    EXPECT_EQ(p.FirstChildElement(p.FindChildElement(r, L"B")), nullptr);
}

} // namespace
