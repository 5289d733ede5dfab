// The value texts of one run equal the ValueFormat.h texts they stand for, whatever the settings
// read when the run starts.
#include "CoreTestEnv.h"

#include "common/ValueFormat.h"
#include "common/ValueTexts.h"

namespace {

using ValueTextsTest = ReportTest;
using rtest::Day;

TEST_F(ValueTextsTest, Texts_equalTheValueFormatTexts)
{
    for (const wchar_t* picture : {L"yyyy-MM-dd", L"", L"ddd dd.MM.yy"}) {
        host::SetSetting(L"DateFormat", picture);
        host::SetSetting(L"TimeFormat", *picture ? L"HH:mm" : L"h:mm tt");
        for (const wchar_t* costs : {L"", L"%.3f %s"}) {
            host::SetSetting(L"ViewFormatCosts", costs);
            CValueTexts texts;
            // More days than a cache of one run keeps apart, some of them asked for twice.
            for (int i = 0; i < 1500; i += 7) {
                const TDate day = Day(1, 1) + i % 1000;
                for (int mode = 0; mode <= 5; ++mode)
                    EXPECT_EQ(texts.Day(day, mode), FormatDate(day, mode, L"%s")) << mode;
                for (int minute : {0, 59, 750, 1439, 1440})
                    EXPECT_EQ(texts.DateTime(day, minute), FormatDateTime(TDateTime(day, minute, false)));
            }
            for (int minutes : {0, 45, 90, 1500, 2160, -90}) {
                for (int type = -1; type <= 6; ++type) {
                    EXPECT_EQ(texts.Duration(minutes, type, true), FormatDuration(minutes, type, true));
                    EXPECT_EQ(texts.Duration(minutes, type, false), FormatDuration(minutes, type, false));
                }
            }
            for (double value : {0.0, 12.5, -3.125, 1234567.891})
                EXPECT_EQ(texts.Costs(value), FormatCosts(value));
            const int pairs[] = {480, 720, 780, 1020, -60, 1500};
            for (int count : {0, 1, 3}) {
                WorkingTimePeriods periods;
                SetWorkingTimePeriods(periods, pairs, count);
                EXPECT_EQ(texts.WorkingTimes(pairs, count), FormatWorkingTimes(periods));
            }
        }
    }
}

} // namespace
