#include "SettingDlg.h"

#include "AboutDlg.h"
#include "ProjectDialogFixture.h"
#include "QV2ResVIds.h"
#include "Settings.h"

namespace {

class SettingDlgTest : public dlgtest::ProjectDialogTest {
protected:
    static std::wstring ClipboardText()
    {
        std::wstring text;
        if (!OpenClipboard(nullptr))
            return L"(busy)";
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        return text;
    }
};

TEST_F(SettingDlgTest, Show_copiesAndShowsTheCurrentValueAndAnEmptyNameDoesNothing)
{
    SetSetting(L"ViewZoom", L"125");
    CSettingDlg dialog;
    Answer<CSettingDlg>([](CSettingDlg& shown) {
        Press(shown.Hwnd(), IDC_SETTING_SHOW); // no name yet
        SetText(shown.Hwnd(), IDC_SETTING_NAME, L"ViewZoom");
        Press(shown.Hwnd(), IDC_SETTING_SHOW);
        return IDCANCEL;
    });
    EXPECT_EQ(dialog.RunModal(nullptr), IDCANCEL);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"125");
    EXPECT_EQ(messages.messages[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(ClipboardText(), L"125");
    // Cancel changes no setting.
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"125");

    // An unknown name shows an empty value.
    Answer<CSettingDlg>([](CSettingDlg& shown) {
        SetText(shown.Hwnd(), IDC_SETTING_NAME, L"NoSuchSetting");
        Press(shown.Hwnd(), IDC_SETTING_SHOW);
        SetText(shown.Hwnd(), IDC_SETTING_VALUE, L"x");
        return IDOK;
    });
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, L"");
    EXPECT_EQ(dialog.key, L"NoSuchSetting");
    EXPECT_EQ(dialog.value, L"x");
}

TEST_F(SettingDlgTest, About_theVersionWithFullStopsAndTheSecondLine)
{
    EXPECT_EQ(CAboutDlg::VersionText(L"1, 2, 0, 15"), L"1.2.0.15");
    CAboutDlg about;
    about.productName = L"Quorvia2 Viewer";
    about.version = L"1, 2, 0, 15";
    std::wstring product, second;
    bool linkShown = true;
    Answer<CAboutDlg>([&](CAboutDlg& shown) {
        product = Text(shown.Hwnd(), IDC_ABOUT_TEXT);
        second = Text(shown.Hwnd(), IDC_ABOUT_SECOND_TEXT);
        linkShown = (GetWindowLongPtrW(shown.Item(IDC_ABOUT_LINK), GWL_STYLE) & WS_VISIBLE) != 0;
        return IDOK;
    });
    EXPECT_EQ(about.RunModal(nullptr), IDOK);
    EXPECT_EQ(product, L"Quorvia2 Viewer\nVersion 1.2.0.15");
    EXPECT_EQ(second, L"Planning-board viewer");
    EXPECT_FALSE(linkShown); // the resource library names no link
}

} // namespace
