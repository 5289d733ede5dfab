// The font and picture combos.
#include "ControlTestEnv.h"

#include "RKComControls2.h"

#include <set>
#include <utility>

using namespace testenv;

namespace {

class CombosTest : public ControlTest {
protected:
    static HWND Inner(HWND ctrl, UINT msg) { return reinterpret_cast<HWND>(SendMessageW(ctrl, msg, 0, 0)); }
    static std::wstring ItemText(HWND combo, int i)
    {
        const auto n = static_cast<int>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0));
        std::wstring text(static_cast<size_t>(n) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(n));
        return text;
    }
};

TEST_F(CombosTest, FontCombo_fillsFamiliesWithTheirDescriptionsAndRefillsCleanly)
{
    HWND ctrl = host.CreateControl(RKCC2_CLASS_FONTCOMBOBOX, 0, 160, {0, 0, 200, 24});
    HWND combo = Inner(ctrl, RKCC2M_FONTCOMBO_GETINNERCTRL);
    ASSERT_TRUE(combo);
    const auto all = static_cast<int>(SendMessageW(ctrl, RKCC2M_FONTCOMBO_FILL, 1, 0));
    ASSERT_GT(all, 0);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), all);
    const auto trueType = static_cast<int>(SendMessageW(ctrl, RKCC2M_FONTCOMBO_FILL, 0, 0));
    EXPECT_GT(trueType, 0);
    EXPECT_LE(trueType, all);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_FONTCOMBO_FILL, 1, 0), all); // nothing of the earlier fills left
    std::set<const LOGFONTW*> seen;
    for (int i = 0; i < all; ++i) {
        const auto* font = reinterpret_cast<const LOGFONTW*>(SendMessageW(combo, CB_GETITEMDATA, i, 0));
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(std::wstring(font->lfFaceName), ItemText(combo, i));
        EXPECT_TRUE(seen.insert(font).second);
    }
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_FONTCOMBO_SETDROPHEIGHT, 250, 0), 1);
    RECT r{};
    GetWindowRect(combo, &r);
    EXPECT_EQ(r.right - r.left, 200);
}

class PictureComboTest : public CombosTest {
protected:
    PictureComboTest()
    {
        HDC screen = GetDC(nullptr);
        bitmap = CreateCompatibleBitmap(screen, 16, 12);
        ReleaseDC(nullptr, screen);
    }
    ~PictureComboTest() override { DeleteObject(bitmap); }
    HWND Make()
    {
        ctrl = host.CreateControl(RKCC2_CLASS_PICTURECOMBOBOX, 0, 170, {0, 0, 200, 24});
        combo = Inner(ctrl, RKCC2M_PICTURECOMBO_GETINNERCTRL);
        return ctrl;
    }
    LRESULT Add(const wchar_t* text, HBITMAP picture, int separator = 0)
    {
        PictureComboItem item{text, 0, picture, RGB(255, 255, 255), separator};
        return SendMessageW(ctrl, RKCC2M_PICTURECOMBO_ADDITEM, 0, reinterpret_cast<LPARAM>(&item));
    }
    static HBITMAP Solid(COLORREF color)
    {
        HDC screen = GetDC(nullptr);
        HBITMAP made = CreateCompatibleBitmap(screen, 16, 12);
        HDC dc = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(dc, made);
        HBRUSH brush = CreateSolidBrush(color);
        const RECT all{0, 0, 16, 12};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        SelectObject(dc, old);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return made;
    }
    // An item as the control draws it in the list: its background and the middle of its picture.
    using Looks = std::pair<COLORREF, COLORREF>;
    Looks Look(int index) const
    {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP surface = CreateCompatibleBitmap(screen, 200, 16);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, surface);
        DRAWITEMSTRUCT item{ODT_COMBOBOX, 100, static_cast<UINT>(index), ODA_DRAWENTIRE, 0, combo, dc, {0, 0, 200, 16}, 0};
        SendMessageW(ctrl, WM_DRAWITEM, 100, reinterpret_cast<LPARAM>(&item));
        const Looks looks{GetPixel(dc, 195, 1), GetPixel(dc, 9, 8)};
        SelectObject(dc, old);
        DeleteObject(surface);
        DeleteDC(dc);
        return looks;
    }
    HBITMAP bitmap = nullptr;
    HWND ctrl = nullptr;
    HWND combo = nullptr;
};

TEST_F(PictureComboTest, TextOnlyFirst_turnsPicturesOffAndRefusesPicturesLater)
{
    Make();
    EXPECT_EQ(Add(L"plain", nullptr), 0);
    EXPECT_EQ(Add(L"plain 2", nullptr), 1);
    EXPECT_EQ(Add(L"picture", bitmap), -1);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
}

TEST_F(PictureComboTest, PicturesFirst_refuseTextOnlyItems)
{
    Make();
    EXPECT_EQ(Add(L"one", bitmap), 0);
    EXPECT_EQ(Add(L"two", bitmap, 1), 1);
    EXPECT_EQ(Add(L"text only", nullptr), 0); // refused
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(Add(L"bad handle", reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(0x1234))), -1);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_PICTURECOMBO_ADDITEM, 0, 0), -1);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_PICTURECOMBO_RESETCONTENT, 0, 0), 1);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Add(L"text after the reset", nullptr), 0);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_PICTURECOMBO_SETITEMTEXTCOLOR, 0, RGB(200, 0, 0)), 1);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_PICTURECOMBO_SETITEMTEXTCOLOR, 5, RGB(200, 0, 0)), -1);
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    UpdateWindow(combo);
}

TEST_F(PictureComboTest, ItemColoursAndPictures_followTheirStringsThroughTheHostsOwnMessages)
{
    Make();
    HBITMAP blue = Solid(RGB(0, 0, 255));
    HBITMAP yellow = Solid(RGB(255, 255, 0));
    PictureComboItem a{L"a", 0, blue, RGB(255, 0, 0), 0};
    PictureComboItem b{L"b", 0, yellow, RGB(0, 160, 0), 1};
    ASSERT_EQ(SendMessageW(ctrl, RKCC2M_PICTURECOMBO_ADDITEM, 0, reinterpret_cast<LPARAM>(&a)), 0);
    ASSERT_EQ(SendMessageW(ctrl, RKCC2M_PICTURECOMBO_ADDITEM, 0, reinterpret_cast<LPARAM>(&b)), 1);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    ASSERT_EQ(SendMessageW(ctrl, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(L"host")), 0); // through the wrapper
    EXPECT_EQ(Look(0), (Looks{window, window}));                      // no picture, plain
    EXPECT_EQ(Look(1), (Looks{RGB(255, 0, 0), RGB(0, 0, 255)}));
    EXPECT_EQ(Look(2), (Looks{RGB(0, 160, 0), RGB(255, 255, 0)}));
    ASSERT_EQ(SendMessageW(combo, CB_DELETESTRING, 1, 0), 2); // on the inner combo box itself
    EXPECT_EQ(Look(1), (Looks{RGB(0, 160, 0), RGB(255, 255, 0)}));
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"after the reset"));
    EXPECT_EQ(Look(0).first, window); // nothing of the cleared items' colours
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_PICTURECOMBO_SETITEMTEXTCOLOR, 1, RGB(1, 2, 3)), -1);
    DeleteObject(blue);
    DeleteObject(yellow);
}

TEST_F(PictureComboTest, GetCheck_onlyInButtonMode)
{
    Make();
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_PICTURECOMBO_SETCHECK, 1, 0), 0);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_PICTURECOMBO_GETCHECK, 0, 0), 0);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_PICTURECOMBO_SETBUTTONMODE, 1, 0), 1);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_PICTURECOMBO_GETCHECK, 0, 0), 1);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_PICTURECOMBO_SETCHECK, 0, 0), 1);
}

TEST_F(PictureComboTest, ButtonMode_aFaceClickNotifiesAndDropsOnlyWhenAllowed)
{
    Make();
    Add(L"one", bitmap);
    Add(L"two", bitmap);
    SendMessageW(ctrl, RKCC2M_PICTURECOMBO_SETBUTTONMODE, 1, 0);
    SendMessageW(ctrl, RKCC2M_PICTURECOMBO_SETDROPONFACE, 0, 0);
    auto click = [this](int x) {
        PostMessageW(combo, WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
        SendMessageW(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
        Pump();
    };
    host.Clear();
    click(10);
    ASSERT_EQ(host.Count(RKCC2N_PICTURECOMBO_FACECLICK, 170), 1);
    EXPECT_EQ(host.notifications.back().from, combo);
    EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), 0);
    RECT rc{};
    GetClientRect(combo, &rc);
    click(rc.right - 3); // the drop-down button always drops the list
    EXPECT_EQ(host.Count(RKCC2N_PICTURECOMBO_FACECLICK, 170), 2);
    EXPECT_NE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), 0);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    SendMessageW(ctrl, RKCC2M_PICTURECOMBO_SETCHECK, 1, 0);
    click(10); // checked: no face click
    EXPECT_EQ(host.Count(RKCC2N_PICTURECOMBO_FACECLICK, 170), 2);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(PictureComboTest, SelectionChanges_arePassedOnWithTheWrappersId)
{
    Make();
    Add(L"one", nullptr);
    Add(L"two", nullptr);
    host.Clear();
    SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_EQ(host.Count(RKCC2N_PICTURECOMBO_SELCHANGE, 170), 1);
    EXPECT_EQ(host.notifications.back().from, combo);
}

} // namespace
