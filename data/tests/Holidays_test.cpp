// The holiday set: replacement on adding, look-up by day and ranges, through QV2D.dll.
#include "DataTestEnv.h"

#include <string>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

class HolidaysTest : public DataTest {
protected:
    int AddHoliday(const wchar_t* name, TDate date)
    {
        Begin();
        CHoliday* h = root->Holidays->CreateNew();
        h->SetName(name);
        h->Date = date;
        const int status = root->Holidays->Add(h);
        if (status != 0) {
            h->MarkDeleted();
            return status;
        }
        return Commit();
    }
    std::wstring Names()
    {
        std::wstring names;
        for (int i = 0; i < root->Holidays->GetCount(); ++i)
            names += std::wstring(root->Holidays->GetAt(i)->Name) + L";";
        return names;
    }
};

TEST_F(HolidaysTest, Add_replacesSameDayAndSameNameInTheYear)
{
    ASSERT_EQ(AddHoliday(L"Easter", Day(3, 31)), 0);
    ASSERT_EQ(AddHoliday(L"Labour Day", Day(5, 1)), 0);
    ASSERT_EQ(AddHoliday(L"Easter", TDate::FromYMD(4, 2023, 9)), 0);
    EXPECT_EQ(Names(), L"Easter;Easter;Labour Day;");
    ASSERT_EQ(AddHoliday(L"May Day", Day(5, 1)), 0); // same day
    ASSERT_EQ(AddHoliday(L"Easter", Day(4, 1)), 0);   // same name, same year
    EXPECT_EQ(Names(), L"Easter;Easter;May Day;");
    EXPECT_EQ(root->Holidays->FindByDate(Day(3, 31)), nullptr);
    ASSERT_EQ(AddHoliday(L"easter", Day(4, 2)), 0); // names compare exactly
    EXPECT_EQ(root->Holidays->GetCount(), 4);
}

TEST_F(HolidaysTest, FindByDate_answersTheChangeAfterCommit)
{
    ASSERT_EQ(AddHoliday(L"A", Day(6, 1)), 0);
    EXPECT_EQ(root->Holidays->FindByDate(Day(6, 2)), nullptr); // remembered as none
    ASSERT_EQ(AddHoliday(L"B", Day(6, 2)), 0);
    CHoliday* found = root->Holidays->FindByDate(Day(6, 2));
    ASSERT_NE(found, nullptr);
    EXPECT_STREQ(found->Name, L"B");
    // Removed: the answer does not outlive the holiday.
    Begin();
    ASSERT_EQ(found->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(root->Holidays->FindByDate(Day(6, 2)), nullptr);
    root->Close(0);
    EXPECT_EQ(root->Holidays->FindByDate(Day(6, 1)), nullptr);
}

TEST_F(HolidaysTest, Ranges)
{
    ASSERT_EQ(AddHoliday(L"A", Day(6, 1)), 0);
    ASSERT_EQ(AddHoliday(L"B", Day(6, 5)), 0);
    EXPECT_EQ(root->Holidays->GetInRange(nullptr, Day(6, 1), Day(6, 1)), 1);
    EXPECT_EQ(root->Holidays->GetInRange(nullptr, Day(6, 2), Day(6, 2)), 0);
    EXPECT_EQ(root->Holidays->CountInRange(Day(6, 1), Day(6, 5)), 2);
    EXPECT_EQ(root->Holidays->CountInRange(Day(6, 5), Day(6, 1)), 0);
    CHoliday* out[2] = {};
    ASSERT_EQ(root->Holidays->GetInRange(out, Day(5, 1), Day(7, 1)), 2);
    EXPECT_STREQ(out[1]->Name, L"B");
    EXPECT_EQ(root->Holidays->GetAt(2), nullptr);
    EXPECT_EQ(root->Holidays->GetAt(-1), nullptr);
    EXPECT_TRUE(root->Holidays->Contains(out[0]));
    // The widest ranges: no day past the last one wraps around.
    EXPECT_EQ(root->Holidays->CountInRange(0u, TDate(UINT32_MAX)), 2);
    EXPECT_EQ(root->Holidays->CountInRange(Day(6, 5), TDate(UINT32_MAX)), 1);
    EXPECT_EQ(root->Holidays->CountInRange(TDate(UINT32_MAX), TDate(UINT32_MAX)), 0);
}

TEST_F(HolidaysTest, Add_refusesEmptyNameOrEmptyDate)
{
    EXPECT_EQ(AddHoliday(L"", Day(6, 1)), kErrInvalid);
    EXPECT_EQ(AddHoliday(L"No day", TDate(TDate::kEmpty)), kErrInvalid);
    EXPECT_EQ(Commit(), kErrRolledBack);
    EXPECT_EQ(root->Holidays->GetCount(), 0);
}

} // namespace
