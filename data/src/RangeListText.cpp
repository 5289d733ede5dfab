// The text form of working-time range lists.
#include "RangeListText.h"

#include "CsvParser.h"
#include "Minutes.h"
#include "XmlValues.h"

#include "TTime.h"
#include "wqv2_data.h"

std::wstring RangeListText(const int* pairs, int count)
{
    std::wstring text;
    if (!pairs)
        return text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += L';';
        // Reduced into the day: an end of 24:00 is stored as 0 and written 00:00.
        text += xmlv::TimeText(MinuteOfDay(pairs[2 * i]));
        text += L'-';
        text += xmlv::TimeText(MinuteOfDay(pairs[2 * i + 1]));
    }
    return text;
}

int ParseRangeListText(std::wstring_view text, std::vector<int>& pairs)
{
    // Split as any delimited row is (a quoted field keeps its ";"), without a line-break marker.
    const CCSVParser splitter(L";", L"");
    std::vector<std::wstring> fields;
    splitter.SplitRow(text, fields);
    std::vector<int> read;
    read.reserve(2 * fields.size());
    for (const std::wstring& field : fields) {
        const size_t dash = field.find(L'-');
        if (dash == std::wstring::npos)
            return wqv2_data::kErrFormat;
        // "24:00" reads as 0, the stored form of the end of the day.
        read.push_back(TTime::ParseFixed(field.substr(0, dash).c_str()).minutes);
        read.push_back(TTime::ParseFixed(field.substr(dash + 1).c_str()).minutes);
    }
    pairs.swap(read);
    return 0;
}
