// Task list reports: their common settings and cell texts.
#include "base/RListTasksBase.h"

#include "common/ReportSettings.h"
#include "common/ValueFormat.h"
#include "common/ValueTexts.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

namespace {

// A hand-edited time setting outside the day still names a moment of its day.
int DayMinute(int minute)
{
    const int r = minute % 1440;
    return r < 0 ? r + 1440 : r;
}

} // namespace

CRListTasksBase::CRListTasksBase(const std::wstring& prefix)
{
    const auto key = [&prefix](const wchar_t* word) { return prefix + word; };
    DateStart = GetDateSetting(key(L"DateStart").c_str(), DateStart);
    DateEnd = GetDateSetting(key(L"DateEnd").c_str(), DateEnd);
    TimeStart = DayMinute(GetIntSetting(key(L"TimeStart").c_str(), 0));
    TimeEnd = DayMinute(GetIntSetting(key(L"TimeEnd").c_str(), 0));
    ColumnsDuration = GetBoolSetting(key(L"ColumnsDuration").c_str(), false);
    ColumnsWorkingTime = GetBoolSetting(key(L"ColumnsWorkingTime").c_str(), false);
    ColumnsCosts = GetBoolSetting(key(L"ColumnsCosts").c_str(), false);
    ColumnsFormat = GetBoolSetting(key(L"ColumnsFormat").c_str(), false);
    ColumnsUDF = GetBoolSetting(key(L"ColumnsUDF").c_str(), false);
    ColumnsNotes = GetBoolSetting(key(L"ColumnsNotes").c_str(), false);
    LimitPeriod = GetBoolSetting(key(L"LimitPeriod").c_str(), true);
    // A sum of no value column is no sum.
    SumTotal = GetBoolSetting(key(L"SumTotal").c_str(), false) && AnyValueColumn();
    const bool gridDateOnly = GetBoolSetting(L"ViewGridShowDateOnly", false);
    DateOnly = GetBoolSetting(key(L"DateOnly").c_str(), gridDateOnly);
    WeekdayMode = GetIntSetting(key(L"DateFormat").c_str(), 0);
}

std::wstring CRListTasksBase::CellText(int column, const TaskOccurrence& occurrence,
                                       const OccurrenceValues& values) const
{
    CValueTexts texts;
    return std::wstring(CellText(column, occurrence, GetDaySpan(occurrence), values, texts));
}

std::wstring_view CRListTasksBase::CellText(int column, const TaskOccurrence& occurrence, const OccurrenceSpan& span,
                                            const OccurrenceValues& values, CValueTexts& texts) const
{
    switch (column) {
    case kStartColumn:
        return StartText(span, DateOnly, WeekdayMode, texts);
    case kEndColumn:
        return EndText(span, DateOnly, WeekdayMode, texts);
    case kDurationColumn:
        return texts.Duration(values.duration, DurationType, DurationShort);
    case kWorkingTimeColumn:
        return texts.Duration(values.workingTime, WorkingTimeType, WorkingTimeShort);
    case kCostsColumn:
        return texts.Costs(values.costs);
    default: {
        const wchar_t* text = DataText(column, occurrence);
        return text ? std::wstring_view(text) : std::wstring_view();
    }
    }
}

std::wstring CRListTasksBase::HeadText(int column, unsigned textId) const
{
    std::wstring head = fw::LoadResString(textId);
    if (LimitPeriod && IsValueColumn(column))
        head += fw::LoadResString(IDS_LIST_LIMITED_MARK);
    return head;
}

std::wstring CRListTasksBase::ValueSumText(int column, int durationSum, int workingTimeSum, double costsSum) const
{
    switch (column) {
    case kDurationColumn:
        return FormatDuration(durationSum);
    case kWorkingTimeColumn:
        return FormatWorkingTime(workingTimeSum);
    case kCostsColumn:
        return FormatCosts(costsSum);
    default:
        return {};
    }
}
