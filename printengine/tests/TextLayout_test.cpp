// Line splitting, breaking and placement with a measurer the tests drive: every character is 10
// units wide, lines are 50 high with 5 of external leading.
#include "TextLayout.h"

#include <gtest/gtest.h>

using namespace rkpe;

namespace {

class FakeMeasurer : public TextMeasurer {
public:
    int Extent(std::wstring_view text) override { return 10 * static_cast<int>(text.size()); }
    void PrefixExtents(std::wstring_view text, std::vector<int>& prefix) override
    {
        prefix.resize(text.size());
        for (size_t i = 0; i < text.size(); ++i)
            prefix[i] = 10 * static_cast<int>(i + 1);
    }
    int TextHeight() override { return 45; }
    int LineHeight() override { return 50; }
};

using Strs = std::vector<std::wstring>;

Strs Texts(const std::vector<MeasuredLine>& lines)
{
    Strs out;
    for (const auto& l : lines)
        out.push_back(l.text);
    return out;
}

Strs Texts(const std::vector<PlacedLine>& lines)
{
    Strs out;
    for (const auto& l : lines)
        out.push_back(l.text);
    return out;
}

std::vector<MeasuredLine> Lines(std::initializer_list<const wchar_t*> texts)
{
    std::vector<MeasuredLine> out;
    for (const wchar_t* t : texts)
        out.push_back({t, 10 * static_cast<int>(std::wcslen(t))});
    return out;
}

TextBoxSpec Box(int alignment, bool anchorTop, int height, int width = 100)
{
    TextBoxSpec spec;
    spec.inner = RECT{0, 0, width, -height};
    spec.alignment = alignment;
    spec.anchorTop = anchorTop;
    return spec;
}

} // namespace

TEST(TextLayout, SplitPieces_followsSeparatorsExactly)
{
    EXPECT_EQ(SplitPieces(L"a\n\nb", L'\n'), (Strs{L"a", L"", L"b"}));
    EXPECT_EQ(SplitPieces(L"a\n", L'\n'), (Strs{L"a"}));
    EXPECT_EQ(SplitPieces(L"", L'\n'), (Strs{L""}));
    EXPECT_EQ(SplitPieces(L"\n", L'\n'), (Strs{L""}));
    EXPECT_EQ(SplitPieces(L"\na", L'\n'), (Strs{L"", L"a"}));
    EXPECT_EQ(SplitPieces(L"a  b", L' '), (Strs{L"a", L"", L"b"}));
}

TEST(TextLayout, BreakLines_keepsTheWordsThatFitAndWrapsTheRest)
{
    FakeMeasurer m;
    const auto lines = BreakLines(L"alpha beta gamma", 100, true, m);
    EXPECT_EQ(Texts(lines), (Strs{L"alpha beta", L"gamma"}));
    EXPECT_EQ(lines[0].width, 100);
    EXPECT_EQ(lines[1].width, 50);
}

TEST(TextLayout, BreakLines_splitsAWordWiderThanTheBoxAndWrapsTheRestAgain)
{
    FakeMeasurer m;
    EXPECT_EQ(Texts(BreakLines(L"abcdefghij klm", 35, true, m)), (Strs{L"abc", L"def", L"ghi", L"j", L"klm"}));
}

TEST(TextLayout, BreakLines_boxNarrowerThanOneCharacterStillEnds)
{
    FakeMeasurer m;
    EXPECT_EQ(Texts(BreakLines(L"abc", 5, true, m)), (Strs{L"a", L"b", L"c"}));
}

TEST(TextLayout, BreakLines_wrapsOnlyWithWordWrapAndAPositiveWidth)
{
    FakeMeasurer m;
    const auto off = BreakLines(L"alpha beta gamma", 10, false, m);
    EXPECT_EQ(Texts(off), (Strs{L"alpha beta gamma"}));
    EXPECT_EQ(off[0].width, 160);
    EXPECT_EQ(Texts(BreakLines(L"alpha beta gamma", 0, true, m)), (Strs{L"alpha beta gamma"}));
}

TEST(TextLayout, BreakLines_dropsCarriageReturnsAndKeepsEmptyLines)
{
    FakeMeasurer m;
    EXPECT_EQ(Texts(BreakLines(L"a\r\n\r\nb", 100, true, m)), (Strs{L"a", L"", L"b"}));
    EXPECT_EQ(Texts(BreakLines(L"", 100, true, m)), (Strs{L""}));
}

TEST(TextLayout, PlaceTextBox_alignsInBothDirections)
{
    FakeMeasurer m;
    const auto topLeft = PlaceTextBox(Lines({L"ab"}), Box(0, true, 200), m);
    ASSERT_EQ(topLeft.size(), 1u);
    EXPECT_EQ(topLeft[0].x, 0);
    EXPECT_EQ(topLeft[0].y, -2); // centred in its 50-high line
    const auto middle = PlaceTextBox(Lines({L"ab"}), Box(4, true, 200), m);
    EXPECT_EQ(middle[0].x, 40);
    EXPECT_EQ(middle[0].clip.top, -75);
    EXPECT_EQ(middle[0].y, -77);
    const auto bottomRight = PlaceTextBox(Lines({L"ab"}), Box(8, true, 200), m);
    EXPECT_EQ(bottomRight[0].x, 80);
    EXPECT_EQ(bottomRight[0].clip.bottom, -200);
    const auto outOfRange = PlaceTextBox(Lines({L"ab"}), Box(11, true, 200), m);
    EXPECT_EQ(outOfRange[0].x, 0);
    EXPECT_EQ(outOfRange[0].clip.top, 0);
}

TEST(TextLayout, PlaceTextBox_overflowStartsAtTheTopOnlyWithAnchorTop)
{
    FakeMeasurer m;
    const auto lines = Lines({L"a", L"b", L"c", L"d", L"e"});
    const auto anchored = PlaceTextBox(lines, Box(6, true, 125), m);
    ASSERT_EQ(Texts(anchored), (Strs{L"a", L"b", L"c"}));
    EXPECT_EQ(anchored[0].clip.top, 0);
    EXPECT_EQ(anchored[2].clip.bottom, -125); // cut at the bottom and aligned to its top
    EXPECT_EQ(anchored[2].y, -100);

    const auto free = PlaceTextBox(lines, Box(6, false, 125), m);
    ASSERT_EQ(Texts(free), (Strs{L"c", L"d", L"e"}));
    EXPECT_EQ(free[0].clip.top, 0); // cut at the top and aligned to its bottom
    EXPECT_EQ(free[0].y, free[0].clip.bottom + 45);
    EXPECT_EQ(free[2].clip.bottom, -125);
}

TEST(TextLayout, PlaceTextBox_overlongLineGoesLeftWithAnchorTop)
{
    FakeMeasurer m;
    EXPECT_EQ(PlaceTextBox(Lines({L"abcdefghijklmno"}), Box(2, true, 100), m)[0].x, 0);
    EXPECT_EQ(PlaceTextBox(Lines({L"abcdefghijklmno"}), Box(2, false, 100), m)[0].x, -50);
}

TEST(TextLayout, PlaceTextBox_ellipsisShortensOnlyOverlongLines)
{
    FakeMeasurer m;
    TextBoxSpec spec = Box(0, true, 200);
    spec.ellipsis = true;
    EXPECT_EQ(Texts(PlaceTextBox(Lines({L"abcdefghijklmno", L"short"}), spec, m)), (Strs{L"abcdefg...", L"short"}));
}

TEST(TextLayout, ShortenWithEllipsis_keepsTheLongestStartThatFits)
{
    FakeMeasurer m;
    EXPECT_EQ(ShortenWithEllipsis(L"abcdefghij", 60, m), L"abc...");
    EXPECT_EQ(ShortenWithEllipsis(L"abcdefghij", 20, m), L"...");
    EXPECT_EQ(ShortenWithEllipsis(L"a", 5, m), L"...");
}

TEST(TextLayout, PlaceClippedLine_alignsHorizontallyAndCentresVertically)
{
    const RECT r{100, -100, 300, -150};
    EXPECT_EQ(PlaceClippedLine(r, 0, false, 40, 20).x, 100);
    EXPECT_EQ(PlaceClippedLine(r, 4, false, 40, 20).x, 180);
    EXPECT_EQ(PlaceClippedLine(r, 8, false, 40, 20).x, 260);
    EXPECT_EQ(PlaceClippedLine(r, 9, false, 40, 20).x, 100);
    EXPECT_EQ(PlaceClippedLine(r, 2, false, 400, 20).x, -100);
    EXPECT_EQ(PlaceClippedLine(r, 2, true, 400, 20).x, 100);
    EXPECT_EQ(PlaceClippedLine(r, 0, false, 40, 20).y, -115);
}
