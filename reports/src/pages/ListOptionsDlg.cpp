// Period page with check-item options.
#include "pages/ListOptionsDlg.h"

#include "common/ReportSettings.h"

CListOptionsDlg::CListOptionsDlg(const wchar_t* prefix, std::vector<OptionKey> keys) : CPeriodBaseDlg(prefix)
{
    for (const OptionKey& key : keys)
        m_options.push_back({key, key.fallback});
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

void CListOptionsDlg::ResetOptions()
{
    for (OptionState& option : m_options)
        option.value = option.key.fallback;
}

HTREEITEM CListOptionsDlg::AddOption(HTREEITEM group, UINT textId, size_t index)
{
    if (index >= m_options.size())
        return nullptr;
    return AddCheckOption(group, m_options[index].value, textId);
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
    PeriodStart = GetDateSetting((SettingsPrefix() + L"DateStart").c_str(), PeriodStart);
    TDate end = PeriodEnd;
    ++end;
    end = GetDateSetting((SettingsPrefix() + L"DateEnd").c_str(), end);
    EndTime = GetIntSetting((SettingsPrefix() + L"TimeEnd").c_str(), EndTime);
    // The settings hold the exclusive end; a period ending at 00:00 shows its day before.
    if (EndTime == 0)
        --end;
    PeriodEnd = LastDayFrom(PeriodStart, end);
    for (OptionState& option : m_options)
        option.value = GetBoolSetting(option.key.key, option.value);
}

void CListOptionsDlg::ApplyOwnSettings()
{
    SetDateSetting((SettingsPrefix() + L"DateStart").c_str(), PeriodStart);
    PeriodEnd = LastDayFrom(PeriodStart, PeriodEnd);
    TDate end = PeriodEnd;
    ++end;
    SetDateSetting((SettingsPrefix() + L"DateEnd").c_str(), end);
    // The period now ends with the whole of its last day.
    EndTime = 0;
    SetIntSetting((SettingsPrefix() + L"TimeEnd").c_str(), 0);
    for (const OptionState& option : m_options)
        SetBoolSetting(option.key.key, option.value);
}
