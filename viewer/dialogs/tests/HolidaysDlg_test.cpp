#include "HolidaysDlg.h"

#include "FrameDialogs.h"
#include "ProjectDialogFixture.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "WorkingTimeText.h"

#include <commctrl.h>

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

    // Types into the year edit as a user would: the text changes, nothing is committed.
    static void TypeYear(CHolidaysDlg& dialog, const wchar_t* text)
    {
        // The edit's own window lies inside its frame.
        HWND inner = nullptr;
        EnumChildWindows(dialog.Item(IDC_HOLIDAYS_YEAR), &FindEdit, reinterpret_cast<LPARAM>(&inner));
        ASSERT_NE(inner, nullptr);
        SetWindowTextW(inner, text);
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

    static int Selected(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }
};

TEST_F(HolidaysDlgTest, List_theHolidaysOfTheTypedYearFromTheDataLibrary)
{
    SetSetting(L"DlgHolidaysYearDefault", L"2020");
    SetSetting(L"DlgHolidaysYearLast", L"2026");
    SetSetting(L"DlgHolidaysYearRemember", L"1");
    std::vector<std::vector<std::wstring>> opened, typed1925, typedHuge, typedBack;
    std::wstring rememberedAfterHuge;
    int selectedOnOpen = -2, selectedEmpty = -2;
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
        selectedEmpty = Selected(list);
        TypeYear(dialog, L"123456"); // beyond the calendar: empty and not remembered
        typedHuge = ListRows(list);
        rememberedAfterHuge = GetSetting(L"DlgHolidaysYearLast");
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

    EXPECT_TRUE(typed1925.empty());
    EXPECT_EQ(selectedEmpty, -1);
    EXPECT_TRUE(typedHuge.empty());
    EXPECT_EQ(rememberedAfterHuge, L"25");
    EXPECT_EQ(typedBack, expected);
    // Every year shown was remembered, the one outside the calendar not.
    EXPECT_EQ(GetSetting(L"DlgHolidaysYearLast"), L"2026");
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

} // namespace
