// Grid column-id lists and column names.
#include "ColumnIds.h"

#include "ClassicText.h"
#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

#include <algorithm>
#include <cwctype>

namespace {

bool Contains(const std::vector<int>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

} // namespace

int GetDefaultColumnIds(std::vector<int>& list, bool withoutCosts)
{
    for (int id = 0; id <= 7; ++id) {
        if (!(withoutCosts && id == 6))
            list.push_back(id);
    }
    return static_cast<int>(list.size());
}

int ParseColumnOrder(std::vector<int>& list, const std::wstring& text)
{
    size_t i = 0;
    for (;;) {
        while (i < text.size() && std::iswspace(text[i]))
            ++i;
        if (i == text.size())
            break;
        size_t end = i;
        while (end < text.size() && !std::iswspace(text[end]))
            ++end;
        int value = 0;
        if (!ctext::ParseIntExact(std::wstring_view(text).substr(i, end - i), value))
            break;
        list.push_back(value);
        i = end;
    }
    return static_cast<int>(list.size());
}

int MergeColumnIdList(std::vector<int>& defaults, const std::vector<int>& read)
{
    std::vector<int> merged;
    for (int id : read) {
        if (Contains(defaults, id) && !Contains(merged, id))
            merged.push_back(id);
    }
    for (int id : defaults) {
        if (!Contains(merged, id))
            merged.push_back(id);
    }
    defaults = std::move(merged);
    return static_cast<int>(defaults.size());
}

std::wstring FormatColumnIds(const std::vector<int>& list)
{
    std::wstring text;
    for (size_t i = 0; i < list.size(); ++i) {
        if (i > 0)
            text += L' ';
        text += ctext::IntText(list[i]);
    }
    return text;
}

std::wstring GetColumnName(int id, bool& numeric)
{
    static const unsigned kNames[8] = {IDS_COLUMN_TASK,     IDS_COLUMN_RESOURCE,     IDS_COLUMN_START, IDS_COLUMN_END,
                                       IDS_COLUMN_DURATION, IDS_COLUMN_WORKING_TIME, IDS_COLUMN_COSTS, IDS_COLUMN_NOTE};
    if (id < 0 || id > 7) {
        numeric = true;
        return {};
    }
    numeric = id >= 2 && id <= 6;
    return fw::LoadResString(kNames[id]);
}
