// Period page with check-item options.
#include "pages/ListOptionsDlg.h"

#include "common/ReportSettings.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

#include <iterator>

namespace {

// The settings keys of the options both lists have, in key order, with the pages' defaults.
constexpr CListOptionsDlg::OptionKey kTaskKeys[CListOptionsDlg::kTaskOptionCount] = {
    {L"ColumnsDuration", false},
    {L"ColumnsWorkingTime", false},
    {L"ColumnsCosts", false},
    {L"ColumnsFormat", false},
    {L"ColumnsUDF", false},
    {L"ColumnsNotes", false},
    // As the report without a setting: the first apply must not switch it off.
    {L"LimitPeriod", true},
    {L"SumTotal", false},
};

} // namespace

CListOptionsDlg::CListOptionsDlg(const wchar_t* prefix, UINT titleId, const std::vector<OptionKey>& ownKeys)
    : CPeriodBaseDlg(prefix, L"DateStart", L"DateEnd"), m_titleId(titleId)
{
    std::vector<OptionKey> keys(std::begin(kTaskKeys), std::end(kTaskKeys));
    keys.insert(keys.end(), ownKeys.begin(), ownKeys.end());
    m_options.reserve(keys.size());
    for (const OptionKey& key : keys)
        m_options.push_back({key.fallback, key.fallback});
    // Bound once the vector holds every option: it never moves its values again.
    for (size_t i = 0; i < keys.size(); ++i)
        BindSwitch(m_options[i].value, keys[i].word);
    SetDefaults();
}

void CListOptionsDlg::SetDefaults()
{
    Title = fw::LoadResString(m_titleId);
    OrientationIndex = 1;
    SetYearPeriod();
    EndTime = 0;
    for (OptionState& option : m_options)
        option.value = option.fallback;
}

bool CListOptionsDlg::Option(size_t index) const
{
    return index < m_options.size() && m_options[index].value;
}

void CListOptionsDlg::SetOption(size_t index, bool value)
{
    if (index < m_options.size())
        m_options[index].value = value;
}

HTREEITEM CListOptionsDlg::AddOption(HTREEITEM group, UINT textId, size_t index)
{
    if (index >= m_options.size())
        return nullptr;
    return AddCheckOption(group, m_options[index].value, textId);
}

HTREEITEM CListOptionsDlg::AddColumnsGroup(int kind)
{
    HTREEITEM columns = AddOptionsGroup(IDS_OPTIONS_COLUMNS);
    AddOption(columns, IDS_OPTIONS_DURATION, kColumnsDuration);
    AddOption(columns, IDS_OPTIONS_WORKING_TIME, kColumnsWorkingTime);
    AddOption(columns, IDS_OPTIONS_COSTS, kColumnsCosts);
    AddLastColumnOptions(columns, kind, m_options[kColumnsFormat].value, m_options[kColumnsUDF].value,
                         m_options[kColumnsNotes].value);
    return columns;
}

HTREEITEM CListOptionsDlg::AddSumsGroup()
{
    HTREEITEM sums = AddOptionsGroup(IDS_OPTIONS_SUMS);
    AddOption(sums, IDS_OPTIONS_LIMIT_PERIOD, kLimitPeriod);
    return sums;
}

namespace {

// A period never ends before it starts: an empty stored period, or a last day chosen before the
// first, shows and stores the first day as the last.
TDate LastDayFrom(TDate first, TDate last)
{
    return static_cast<uint32_t>(last) < static_cast<uint32_t>(first) ? first : last;
}

} // namespace

void CListOptionsDlg::LoadOwnSettings()
{
    PeriodStart = GetDateSetting(StartKey().c_str(), PeriodStart);
    TDate end = PeriodEnd;
    ++end;
    end = GetDateSetting(EndKey().c_str(), end);
    EndTime = GetIntSetting((SettingsPrefix() + L"TimeEnd").c_str(), EndTime);
    // The settings hold the exclusive end; a period ending at 00:00 shows its day before.
    if (EndTime == 0)
        --end;
    PeriodEnd = LastDayFrom(PeriodStart, end);
    LoadSwitches();
}

void CListOptionsDlg::ApplyOwnSettings()
{
    SetDateSetting(StartKey().c_str(), PeriodStart);
    PeriodEnd = LastDayFrom(PeriodStart, PeriodEnd);
    TDate end = PeriodEnd;
    ++end;
    SetDateSetting(EndKey().c_str(), end);
    // The period now ends with the whole of its last day.
    EndTime = 0;
    SetIntSetting((SettingsPrefix() + L"TimeEnd").c_str(), 0);
    ApplySwitches();
}
