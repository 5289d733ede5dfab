// The file layer read and written in parts: whatever the sizes of the parts, the stream reader
// builds the elements the whole-text parser builds, the decoder gives the text Decode gives, and
// the streamed archive is the archive Pack builds and unpacks again.
#include "TextDecode.h"
#include "TextStream.h"
#include "XmlParser.h"
#include "XmlStreamReader.h"
#include "ZipHelper.h"
#include "ZipWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Builds every child of the root on its own and keeps what each serialises to.
class BuildChildren : public CXmlStreamReader::Handler {
public:
    Placement Enter(int parentTag, std::wstring_view) override
    {
        Placement p;
        if (parentTag == CXmlStreamReader::kRootTag) {
            p.tag = 2;
            p.parser = &m_parser;
        }
        return p;
    }
    void Built(int, CXmlParser&, CXmlElement* element) override { m_built.push_back(Text(element)); }
    void Left(int) override {}

    static std::wstring Text(const CXmlElement* element)
    {
        CStringSink sink;
        CTextWriter out(sink);
        CXmlParser::WriteElement(element, 0, out);
        out.Flush();
        return sink.Text();
    }

    std::vector<std::wstring> m_built;

private:
    CXmlParser m_parser;
};

TEST(StreamReading, XmlStreamReader_partsOfAnySizeBuildWhatParseBuilds)
{
    const std::wstring text =
        L"<?xml version=\"1.0\"?>\r\n<!-- head > --><Root a=\"1\">lead<A>x &amp; y > z<B/>tail</A>\r\n"
        L"<C  attr = 'v' ><D>1<!-- c -->2</D><E>3<F>4</E>5</C><G/><H>unfinished<I<J>k</J></H>\r\n"
        L"</Root><K>after the root</K><L><M>open at the end";
    CXmlParser whole;
    ASSERT_EQ(whole.Parse(text), 0);
    std::vector<std::wstring> expected;
    for (const CXmlElement* child : whole.Root()->Children())
        expected.push_back(BuildChildren::Text(child));
    ASSERT_GE(expected.size(), 4u);

    for (size_t part : {size_t{1}, size_t{2}, size_t{3}, size_t{7}, size_t{64}, text.size()}) {
        SCOPED_TRACE(part);
        BuildChildren handler;
        CXmlStreamReader reader(handler);
        for (size_t at = 0; at < text.size(); at += part)
            reader.Feed(std::wstring_view(text).substr(at, part));
        reader.Finish();
        EXPECT_EQ(reader.Status(), 0);
        EXPECT_EQ(handler.m_built, expected);
    }

    // Nesting beyond the parser's limit fails as Parse fails.
    std::wstring deep = L"<R>";
    for (int i = 0; i <= CXmlParser::kMaxDepth; ++i)
        deep += L"<N>";
    BuildChildren handler;
    CXmlStreamReader reader(handler);
    reader.Feed(deep);
    reader.Finish();
    EXPECT_EQ(reader.Status(), whole.Parse(deep));
    EXPECT_EQ(reader.Status(), 8);
}

TEST(StreamReading, StreamDecoder_partsGiveWhatDecodeGives)
{
    const std::vector<std::vector<unsigned char>> files = {
        {0xFF, 0xFE, 'a', 0, 0x3C, 0x26, '<', 0, 'z'},     // UTF-16 LE, odd last byte
        {0xFE, 0xFF, 0, 'a', 0x26, 0x3C, 0, '>'},          // UTF-16 BE
        {'<', '?', 'x', 0xE4, 0xF6, '>', 0xFC, 'b', '\n'}, // ANSI
        {'A'},
        {0xFF}};
    for (const auto& bytes : files) {
        const std::wstring expected = textcode::Decode(bytes.data(), bytes.size());
        for (size_t part = 1; part <= bytes.size(); ++part) {
            SCOPED_TRACE(part);
            textcode::CStreamDecoder decoder;
            std::wstring text;
            for (size_t at = 0; at < bytes.size(); at += part)
                decoder.Put(bytes.data() + at, std::min(part, bytes.size() - at), text);
            decoder.End(text);
            EXPECT_EQ(text, expected);
        }
    }
}

CZipHelper::UtcTime FixedClock()
{
    CZipHelper::UtcTime t;
    t.year = 2025;
    t.month = 6;
    t.day = 2;
    return t;
}

// Hands its bytes out a few at a time.
class TrickleSource : public CByteSource {
public:
    explicit TrickleSource(const std::vector<unsigned char>& bytes) : m_bytes(bytes) {}
    bool Read(unsigned char* buffer, size_t capacity, size_t& got) override
    {
        got = std::min({capacity, m_bytes.size() - m_at, size_t{7}});
        std::copy(m_bytes.begin() + static_cast<long>(m_at), m_bytes.begin() + static_cast<long>(m_at + got), buffer);
        m_at += got;
        return true;
    }

private:
    const std::vector<unsigned char>& m_bytes;
    size_t m_at = 0;
};

TEST(StreamReading, ZipWriter_streamedArchiveIsThePackedOneAndStreamsBack)
{
    CZipHelper::SetClock(FixedClock);
    std::vector<unsigned char> input(3u * 1024 * 1024 + 17);
    for (size_t i = 0; i < input.size(); ++i)
        input[i] = static_cast<unsigned char>("<Task><ID>"[i % 10] + (i / 4099) % 5);
    CZipHelper packed;
    ASSERT_TRUE(packed.Pack(input.data(), input.size()));

    CMemorySink sink;
    CZipWriter writer(sink);
    for (size_t at = 0; at < input.size(); at += 100000)
        ASSERT_TRUE(writer.Write(input.data() + at, std::min<size_t>(100000, input.size() - at)));
    ASSERT_TRUE(writer.Finish());
    CZipHelper::SetClock(nullptr);
    EXPECT_EQ(sink.Bytes(), packed.Archive());

    std::vector<unsigned char> out;
    TrickleSource source(sink.Bytes());
    ASSERT_TRUE(CZipHelper::StreamEntry(source, sink.Bytes().size(),
                                        [&out](const unsigned char* b, size_t n) {
                                            out.insert(out.end(), b, b + n);
                                            return true;
                                        }));
    EXPECT_EQ(out, input);

    // A header that claims one byte less than the data holds: refused, as Unpack refuses it.
    std::vector<unsigned char> lying = sink.Bytes();
    lying[22] = static_cast<unsigned char>(lying[22] - 1);
    TrickleSource damaged(lying);
    EXPECT_FALSE(CZipHelper::StreamEntry(damaged, lying.size(), [](const unsigned char*, size_t) { return true; }));
    CZipHelper unpack;
    EXPECT_FALSE(unpack.Unpack(lying.data(), lying.size()));
}

} // namespace
