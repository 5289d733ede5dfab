// The colour swatch drawn into a memory DC.
#include "StaticColor.h"

#include "Canvas.h"

#include <gtest/gtest.h>

namespace {

using dlgtest::CCanvas;
using dlgtest::CHostWindow;

class StaticColorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        control = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 40, 20, host.Hwnd(),
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(swatch.Attach(control));
    }

    void Print(HDC dc) { SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); }

    CHostWindow host{100, 100};
    HWND control = nullptr;
    CStaticColor swatch;
};

TEST_F(StaticColorTest, Paint_aFramedRedSwatchUntilColoursAreSet)
{
    CCanvas canvas(40, 20, RGB(1, 2, 3));
    Print(canvas.Dc());
    EXPECT_EQ(canvas.Pixel(0, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(canvas.Pixel(39, 19), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(canvas.Count({1, 1, 39, 19}, RGB(255, 0, 0)), 38 * 18);

    swatch.SetFillColor(RGB(0, 0, 255));
    swatch.SetFrameColor(RGB(0, 128, 0));
    CCanvas changed(40, 20, RGB(1, 2, 3));
    Print(changed.Dc());
    EXPECT_EQ(changed.Pixel(0, 10), RGB(0, 128, 0));
    EXPECT_EQ(changed.Pixel(20, 10), RGB(0, 0, 255));
}

TEST_F(StaticColorTest, Paint_theCaptionOverTheSwatch)
{
    SetWindowTextW(control, L"WWW");
    swatch.SetFillColor(RGB(255, 255, 255));
    CCanvas canvas(40, 20, RGB(1, 2, 3));
    SetTextColor(canvas.Dc(), RGB(0, 0, 0));
    Print(canvas.Dc());
    // Some ink of the text, on the swatch's own background (the text is drawn transparent).
    EXPECT_GT(canvas.Count({1, 1, 39, 19}, RGB(0, 0, 0)), 0);
    EXPECT_EQ(canvas.Count({1, 1, 39, 19}, RGB(1, 2, 3)), 0);
}

TEST_F(StaticColorTest, EraseBackground_leavesTheDcAloneAndDestroyLetsGo)
{
    CCanvas canvas(40, 20, RGB(1, 2, 3));
    EXPECT_EQ(SendMessageW(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0), TRUE);
    EXPECT_EQ(canvas.Pixel(20, 10), RGB(1, 2, 3));
    DestroyWindow(control);
    EXPECT_EQ(swatch.Hwnd(), nullptr);
    swatch.SetFillColor(RGB(1, 1, 1)); // no window: only remembered
    EXPECT_EQ(swatch.FillColor(), RGB(1, 1, 1));
}

} // namespace
