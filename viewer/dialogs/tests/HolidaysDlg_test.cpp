#include "HolidaysDlg.h"

#include "Canvas.h"
#include "FrameDialogs.h"
#include "ProjectDialogFixture.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "WorkingTimeText.h"
#include "fw/Resources.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <iterator>

namespace {

BOOL CALLBACK FindEdit(HWND child, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (lstrcmpiW(name, L"Edit") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

class HolidaysDlgTest : public dlgtest::ProjectDialogTest {
protected:
    void SetUp() override
    {
        ProjectDialogTest::SetUp();
        ASSERT_TRUE(OpenSample());
        for (const wchar_t* key : {L"DlgHolidaysYearDefault", L"DlgHolidaysYearLast", L"DlgHolidaysYearRemember"})
            SetSetting(key, L"");
    }

    // The year edit's own window, inside its frame.
    static HWND InnerEdit(CHolidaysDlg& dialog)
    {
        HWND inner = nullptr;
        EnumChildWindows(dialog.Item(IDC_HOLIDAYS_YEAR), &FindEdit, reinterpret_cast<LPARAM>(&inner));
        return inner;
    }

    // Types into the year edit as a user would: the text changes, nothing is committed.
    static void TypeYear(CHolidaysDlg& dialog, const wchar_t* text)
    {
        HWND inner = InnerEdit(dialog);
        ASSERT_NE(inner, nullptr);
        SetWindowTextW(inner, text);
    }

    void AddHoliday(unsigned month, unsigned year, unsigned day, const wchar_t* name)
    {
        ASSERT_EQ(root->BeginTransaction(L""), 0);
        wqv2_data::CHoliday* holiday = root->Holidays->CreateNew();
        holiday->Date = TDate(TDate::FromYMD(month, year, day));
        holiday->SetName(name);
        ASSERT_EQ(root->Holidays->Add(holiday), 0);
        ASSERT_EQ(root->Commit(), 0);
    }

    // What the data library holds for a year, as the list should show it.
    std::vector<std::vector<std::wstring>> Expected(unsigned year)
    {
        const TDate first(TDate::FromYMD(1, year, 1));
        const TDate last(TDate::FromYMD(12, year, 31));
        std::vector<wqv2_data::CHoliday*> holidays(static_cast<size_t>(root->Holidays->CountInRange(first, last)));
        root->Holidays->GetInRange(holidays.data(), first, last);
        std::vector<std::vector<std::wstring>> rows;
        for (wqv2_data::CHoliday* holiday : holidays)
            rows.push_back({GetLocaleDayName(holiday->Date.GetWeekday(), true), GetDateText(holiday->Date),
                            holiday->Name});
        return rows;
    }

    static std::wstring EditText(CHolidaysDlg& dialog)
    {
        wchar_t text[32] = {};
        GetWindowTextW(InnerEdit(dialog), text, 32);
        return text;
    }

    // Pastes as a user would: the text arrives without passing the edit's character filter.
    static void PasteYear(CHolidaysDlg& dialog, const wchar_t* text)
    {
        HWND inner = InnerEdit(dialog);
        ASSERT_TRUE(qvtest::PutTextOnClipboard(dialog.Hwnd(), text));
        SendMessageW(inner, EM_SETSEL, 0, -1);
        SendMessageW(inner, WM_PASTE, 0, 0);
    }

    // The headings the list's header draws (into a metafile), as drawn.
    static std::vector<std::wstring> DrawnHeadings(HWND list)
    {
        HWND header = ListView_GetHeader(list);
        HDC screen = GetDC(nullptr);
        HDC metafile = CreateEnhMetaFileW(screen, nullptr, nullptr, nullptr);
        ReleaseDC(nullptr, screen);
        SendMessageW(header, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(metafile), PRF_CLIENT);
        std::vector<std::wstring> drawn;
        for (const dlgtest::DrawnText& text : dlgtest::TextsOf(CloseEnhMetaFile(metafile)))
            drawn.push_back(text.text);
        return drawn;
    }

    static int Selected(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }
};

TEST_F(HolidaysDlgTest, List_theHolidaysOfTheTypedYearFromTheDataLibrary)
{
    SetSetting(L"DlgHolidaysYearDefault", L"2020");
    SetSetting(L"DlgHolidaysYearLast", L"2026");
    SetSetting(L"DlgHolidaysYearRemember", L"1");
    AddHoliday(6, 1925, 24, L"Midsummer 1925");
    std::vector<std::vector<std::wstring>> opened, typed1925, typedHuge, typed1950, typedBack;
    std::wstring rememberedAfterHuge;
    int selectedOnOpen = -2, selected1925 = -2, selectedEmpty = -2;
    LONG_PTR style = 0;
    LPARAM firstData = 0;
    Answer<CHolidaysDlg>([&](CHolidaysDlg& dialog) {
        HWND list = dialog.Item(IDC_HOLIDAYS_LIST);
        opened = ListRows(list);
        selectedOnOpen = Selected(list);
        style = GetWindowLongPtrW(list, GWL_STYLE);
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        firstData = item.lParam;

        TypeYear(dialog, L"25"); // two digits: 1925
        typed1925 = ListRows(list);
        selected1925 = Selected(list);
        TypeYear(dialog, L"123456"); // beyond the edit's limits: kept and not remembered
        typedHuge = ListRows(list);
        rememberedAfterHuge = GetSetting(L"DlgHolidaysYearLast");
        TypeYear(dialog, L"1950"); // no holidays
        typed1950 = ListRows(list);
        selectedEmpty = Selected(list);
        TypeYear(dialog, L"2026");
        typedBack = ListRows(list);
        return IDCANCEL;
    });
    ShowHolidaysDlg();

    const std::vector<std::vector<std::wstring>> expected = Expected(2026);
    ASSERT_EQ(expected.size(), 12u);
    EXPECT_EQ(opened, expected);
    EXPECT_EQ(opened[0][2], L"New Year's Day");
    EXPECT_EQ(selectedOnOpen, 0);
    EXPECT_NE(style & LVS_OWNERDRAWFIXED, 0);
    wqv2_data::CHoliday* first = root->Holidays->FindByDate(TDate(TDate::FromYMD(1, 2026, 1)));
    EXPECT_EQ(firstData, reinterpret_cast<LPARAM>(first));

    ASSERT_EQ(typed1925.size(), 1u);
    EXPECT_EQ(typed1925, Expected(1925));
    EXPECT_EQ(typed1925[0][2], L"Midsummer 1925");
    EXPECT_EQ(selected1925, 0);
    EXPECT_EQ(typedHuge, typed1925);
    EXPECT_EQ(rememberedAfterHuge, L"1925"); // a two-digit year is remembered in full
    EXPECT_TRUE(typed1950.empty());
    EXPECT_EQ(selectedEmpty, -1);
    EXPECT_EQ(typedBack, expected);
    // Every year shown was remembered, the one outside the edit's limits not.
    EXPECT_EQ(GetSetting(L"DlgHolidaysYearLast"), L"2026");
}

// Leaving the year field rewrites a text the edit cannot hold (empty: the current year; up to
// 99: 1900 and more; below its minimum or pasted letters: 1800; beyond 9999: 9999). The list
// then holds the holidays of the year the edit shows, and that year is remembered; pasted
// letters change neither until then. The fitted columns of an empty list still show their
// headings whole.
TEST_F(HolidaysDlgTest, LeavingTheYear_theListAndTheRememberedYearFollowTheYearTheEditShows)
{
    AddHoliday(6, 1925, 24, L"Midsummer 1925");
    AddHoliday(7, 1800, 14, L"Summer 1800");
    SetSetting(L"DlgHolidaysYearLast", L"1925");
    SetSetting(L"DlgHolidaysYearRemember", L"1");
    struct Left {
        std::wstring edit;
        std::vector<std::vector<std::wstring>> rows;
        std::wstring remembered;
        int listed = 0;
    };
    std::vector<Left> left;
    std::wstring rememberedTyping25, rememberedPasted;
    std::vector<std::vector<std::wstring>> rowsPasted;
    std::vector<std::wstring> drawn;
    Answer<CHolidaysDlg>([&](CHolidaysDlg& dialog) {
        HWND list = dialog.Item(IDC_HOLIDAYS_LIST);
        auto enter = [&](const wchar_t* text, bool paste = false) {
            SetFocus(InnerEdit(dialog));
            paste ? PasteYear(dialog, text) : TypeYear(dialog, text);
        };
        auto leave = [&] {
            SetFocus(list);
            left.push_back({EditText(dialog), ListRows(list), GetSetting(L"DlgHolidaysYearLast"), dialog.listedYear});
        };
        enter(L"");
        leave();
        enter(L"25");
        rememberedTyping25 = GetSetting(L"DlgHolidaysYearLast");
        leave();
        enter(L"2026");
        enter(L"1799");
        leave();
        enter(L"2026");
        enter(L"abc", true);
        rememberedPasted = GetSetting(L"DlgHolidaysYearLast");
        rowsPasted = ListRows(list);
        leave();
        enter(L"2026");
        enter(L"123456");
        leave();
        enter(L"2026");
        leave();
        enter(L"0");
        leave();
        enter(L"1950");
        leave();
        drawn = DrawnHeadings(list); // of the empty list of 1950
        return IDCANCEL;
    });
    ShowHolidaysDlg();

    const std::wstring current = std::to_wstring(TDate().GetYear());
    const std::vector<std::wstring> shown = {current, L"1925", L"1800", L"1800", L"9999", L"2026", L"1900", L"1950"};
    ASSERT_EQ(left.size(), shown.size());
    for (size_t i = 0; i < left.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "left #" << i);
        EXPECT_EQ(left[i].edit, shown[i]);
        const int year = std::stoi(left[i].edit);
        EXPECT_EQ(left[i].listed, year);
        EXPECT_EQ(left[i].rows, Expected(static_cast<unsigned>(year)));
        EXPECT_EQ(left[i].remembered, left[i].edit);
    }
    ASSERT_FALSE(left[1].rows.empty());
    EXPECT_EQ(left[1].rows[0][2], L"Midsummer 1925");
    ASSERT_FALSE(left[2].rows.empty());
    EXPECT_EQ(left[2].rows[0][2], L"Summer 1800");
    // Remembered while still in the field: a full year, never the typed two digits; pasted
    // letters keep the year before them.
    EXPECT_EQ(rememberedTyping25, L"1925");
    EXPECT_EQ(rememberedPasted, L"2026");
    EXPECT_EQ(rowsPasted, Expected(2026));
    EXPECT_TRUE(left.back().rows.empty());

    for (UINT id : {IDS_HOLIDAYS_DATE, IDS_HOLIDAYS_NAME}) {
        const std::wstring heading = fw::LoadResString(id);
        EXPECT_NE(std::find(drawn.begin(), drawn.end(), heading), drawn.end()) << "heading cut: " << heading;
    }
}

// A step by the arrow keys or the spin button starts from the year a two-digit text stands
// for, never from the edit's minimum.
TEST_F(HolidaysDlgTest, Step_aTwoDigitYearStepsFromTheYearShown)
{
    for (unsigned year : {1800u, 1924u, 1926u})
        AddHoliday(5, year, 1, (L"May Day " + std::to_wstring(year)).c_str());
    SetSetting(L"DlgHolidaysYearRemember", L"1");
    struct Stepped {
        std::wstring edit;
        std::vector<std::vector<std::wstring>> rows;
        std::wstring remembered;
    };
    std::vector<Stepped> stepped;
    Answer<CHolidaysDlg>([&](CHolidaysDlg& dialog) {
        HWND inner = InnerEdit(dialog);
        HWND spin = GetDlgItem(GetParent(inner), 2);
        RECT button{};
        GetClientRect(spin, &button);
        const auto press = [&](int y) {
            SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, y));
            SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(4, y));
        };
        const std::function<void()> steps[] = {
            [&] { SendMessageW(inner, WM_KEYDOWN, VK_UP, 1); },
            [&] { SendMessageW(inner, WM_KEYDOWN, VK_DOWN, 1); },
            [&] { press(2); },                 // the upper half steps up
            [&] { press(button.bottom - 3); }, // the lower half down
        };
        for (const std::function<void()>& step : steps) {
            SetFocus(inner);
            TypeYear(dialog, L"25");
            step();
            stepped.push_back({EditText(dialog), ListRows(dialog.Item(IDC_HOLIDAYS_LIST)),
                               GetSetting(L"DlgHolidaysYearLast")});
        }
        return IDCANCEL;
    });
    ShowHolidaysDlg();

    const std::wstring years[] = {L"1926", L"1924", L"1926", L"1924"};
    ASSERT_EQ(stepped.size(), std::size(years));
    for (size_t i = 0; i < stepped.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "step #" << i);
        EXPECT_EQ(stepped[i].edit, years[i]);
        EXPECT_EQ(stepped[i].rows, Expected(static_cast<unsigned>(std::stoi(years[i]))));
        EXPECT_EQ(stepped[i].remembered, years[i]);
    }
    ASSERT_FALSE(stepped[0].rows.empty());
    EXPECT_EQ(stepped[0].rows[0][2], L"May Day 1926");
}

TEST_F(HolidaysDlgTest, Open_theRememberedYearWinsAndTypingWithoutRememberStoresNothing)
{
    SetSetting(L"DlgHolidaysYearDefault", L"2026");
    std::vector<std::vector<std::wstring>> opened;
    int shownYear = 0;
    Answer<CHolidaysDlg>([&](CHolidaysDlg& dialog) {
        opened = ListRows(dialog.Item(IDC_HOLIDAYS_LIST));
        SendMessageW(dialog.Item(IDC_HOLIDAYS_YEAR), RKCC2M_LONGEDIT_GETVALUE, 0, reinterpret_cast<LPARAM>(&shownYear));
        TypeYear(dialog, L"2027");
        return IDCANCEL;
    });
    CHolidaysDlg dialog;
    dialog.RunModal(nullptr);
    EXPECT_EQ(opened.size(), 12u);
    EXPECT_EQ(shownYear, 2026);
    EXPECT_EQ(dialog.listedYear, 2027);
    EXPECT_EQ(GetSetting(L"DlgHolidaysYearLast"), L"");
}

TEST_F(HolidaysDlgTest, Year_anEmptyOrUnusableYearKeepsTheListAndTheEditShowsTheListedYear)
{
    AddHoliday(6, 1925, 24, L"Midsummer 1925");
    SetSetting(L"DlgHolidaysYearDefault", L"2026");
    SetSetting(L"DlgHolidaysYearRemember", L"1");
    const std::vector<std::vector<std::wstring>> year2026 = Expected(2026);
    std::vector<std::vector<std::wstring>> emptied, below;
    std::wstring rememberedEmptied, rememberedBelow;
    Answer<CHolidaysDlg>([&](CHolidaysDlg& dialog) {
        HWND list = dialog.Item(IDC_HOLIDAYS_LIST);
        TypeYear(dialog, L"");
        emptied = ListRows(list);
        rememberedEmptied = GetSetting(L"DlgHolidaysYearLast");
        TypeYear(dialog, L"1799");
        below = ListRows(list);
        rememberedBelow = GetSetting(L"DlgHolidaysYearLast");
        return IDCANCEL;
    });
    SetSetting(L"DlgHolidaysYearLast", L"2026");
    CHolidaysDlg dialog;
    dialog.RunModal(nullptr);
    EXPECT_EQ(emptied, year2026);
    EXPECT_EQ(below, year2026);
    EXPECT_EQ(rememberedEmptied, L"2026");
    EXPECT_EQ(rememberedBelow, L"2026");
    // Closing left the field: the edit rewrote 1799 as 1800, and the list followed.
    EXPECT_EQ(dialog.listedYear, 1800);

    // On opening, the edit shows the year whose holidays are listed: a stored two-digit year in
    // full, a stored year outside the edit's limits (as an empty edit once stored) gives way to
    // the default.
    for (auto [stored, shown] : {std::pair{L"25", 1925u}, std::pair{L"0", 1900u}, std::pair{L"1750", 2026u}}) {
        SetSetting(L"DlgHolidaysYearLast", stored);
        std::wstring edit;
        std::vector<std::vector<std::wstring>> rows;
        Answer<CHolidaysDlg>([&](CHolidaysDlg& open) {
            wchar_t text[16] = {};
            GetWindowTextW(InnerEdit(open), text, 16);
            edit = text;
            rows = ListRows(open.Item(IDC_HOLIDAYS_LIST));
            return IDCANCEL;
        });
        CHolidaysDlg reopened;
        reopened.RunModal(nullptr);
        EXPECT_EQ(edit, std::to_wstring(shown)) << stored;
        EXPECT_EQ(rows, Expected(shown)) << stored;
    }
}

} // namespace
