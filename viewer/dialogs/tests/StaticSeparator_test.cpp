// The separator line drawn into a memory DC.
#include "StaticSeparator.h"

#include "Canvas.h"

#include <gtest/gtest.h>

namespace {

using dlgtest::CCanvas;
using dlgtest::CHostWindow;

constexpr COLORREF kPaper = RGB(1, 2, 3);

class StaticSeparatorTest : public ::testing::Test {
protected:
    void Make(const wchar_t* text, DWORD style, int width, int height)
    {
        control = CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | style, 0, 0, width, height, host.Hwnd(),
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(control, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        ASSERT_TRUE(separator.Attach(control));
        canvas = std::make_unique<CCanvas>(width, height, kPaper);
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas->Dc()), PRF_CLIENT);
    }

    static int TextWidth(const wchar_t* text)
    {
        HDC dc = GetDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SIZE size{};
        GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
        SelectObject(dc, previous);
        ReleaseDC(nullptr, dc);
        return size.cx;
    }

    CHostWindow host{300, 100};
    HWND control = nullptr;
    CStaticSeparator separator;
    std::unique_ptr<CCanvas> canvas;
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
};

TEST_F(StaticSeparatorTest, Paint_tallerThanWideIsAVerticalLineWithoutText)
{
    Make(L"Caption", SS_LEFT, 10, 40);
    EXPECT_EQ(canvas->Count({5, 0, 6, 39}, shadow), 39);
    EXPECT_EQ(canvas->Count({6, 0, 7, 40}, light), 40);
    EXPECT_EQ(canvas->Pixel(5, 39), light);
    // Nothing else, not even the caption.
    EXPECT_EQ(canvas->Count({0, 0, 5, 40}, kPaper) + canvas->Count({7, 0, 10, 40}, kPaper), 5 * 40 + 3 * 40);
}

TEST_F(StaticSeparatorTest, Paint_leftTextThenTheLine)
{
    Make(L"Caption", SS_LEFT, 200, 20);
    const int t = TextWidth(L"Caption");
    EXPECT_EQ(canvas->Pixel(t + 10, 10), shadow);
    EXPECT_EQ(canvas->Pixel(198, 10), shadow);
    EXPECT_EQ(canvas->Pixel(199, 10), light);
    EXPECT_EQ(canvas->Pixel(t + 10, 11), light);
    EXPECT_EQ(canvas->Pixel(t + 5, 10), kPaper);
    EXPECT_GT(canvas->Count({0, 0, t, 20}, kPaper), 0);
    EXPECT_LT(canvas->Count({0, 0, t, 20}, kPaper), t * 20); // the caption's ink
}

TEST_F(StaticSeparatorTest, Paint_centredTextBetweenTwoLines)
{
    Make(L"Caption", SS_CENTER, 200, 20);
    const int t = TextWidth(L"Caption");
    const int m = (200 - t) / 2;
    EXPECT_EQ(canvas->Pixel(0, 10), shadow);
    EXPECT_EQ(canvas->Pixel(m - 11, 10), light); // the right end of the first line
    EXPECT_EQ(canvas->Pixel(m - 5, 10), kPaper);
    EXPECT_EQ(canvas->Pixel(m + t + 5, 10), kPaper);
    EXPECT_EQ(canvas->Pixel(m + t + 10, 10), shadow);
    EXPECT_EQ(canvas->Pixel(m + t + 10 + m - 11, 11), light);
}

TEST_F(StaticSeparatorTest, Paint_rightTextAfterTheLine)
{
    Make(L"Caption", SS_RIGHT, 200, 20);
    const int t = TextWidth(L"Caption");
    EXPECT_EQ(canvas->Pixel(0, 10), shadow);
    EXPECT_EQ(canvas->Pixel(200 - t - 11, 10), light);
    EXPECT_EQ(canvas->Pixel(200 - t - 5, 10), kPaper);
}

TEST_F(StaticSeparatorTest, Paint_aCaptionWiderThanTheControlDrawsNoLine)
{
    Make(L"A caption much wider than the control", SS_LEFT, 40, 20);
    EXPECT_EQ(canvas->Count({0, 10, 40, 12}, shadow) + canvas->Count({0, 10, 40, 12}, light), 0);
}

} // namespace
