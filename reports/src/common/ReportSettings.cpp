// Settings access through the host.
#include "common/ReportSettings.h"

#include "plugin/QV2Api.h"

#include "ClassicText.h"
#include "WideCopy.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr int kSettingChars = 4096;

// The one read buffer and the copy handed out; not reentrant (one UI thread, callers copy).
wchar_t gSettingBuffer[kSettingChars];
std::wstring gSettingText;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towlower(x) == std::towlower(y);
           });
}

} // namespace

const wchar_t* GetSettingText(const wchar_t* key)
{
    gSettingText.clear();
    if (gQV2API.GetSetting && key) {
        gSettingBuffer[0] = L'\0';
        if (const wchar_t* answer = gQV2API.GetSetting(key, gSettingBuffer, kSettingChars)) {
            wstr::ForceTerminated(gSettingBuffer);
            gSettingText = answer == gSettingBuffer ? std::wstring(gSettingBuffer) : std::wstring(answer);
        }
    }
    return gSettingText.c_str();
}

void SetSettingText(const wchar_t* key, const wchar_t* value)
{
    if (gQV2API.SetSetting && key)
        gQV2API.SetSetting(key, value ? value : L"");
}

int GetIntSetting(const wchar_t* key, int fallback)
{
    const std::wstring text = GetSettingText(key);
    if (text.empty())
        return fallback;
    const size_t first = text.find_first_not_of(L" \t\n\r\v\f");
    return first == std::wstring::npos ? 0 : ctext::ParseInt(std::wstring_view(text).substr(first));
}

bool GetBoolSetting(const wchar_t* key, bool fallback)
{
    const std::wstring text = GetSettingText(key);
    if (text.empty())
        return fallback;
    if (text == L"0")
        return false;
    for (std::wstring_view no : {L"off", L"false", L"no", L"n"}) {
        if (EqualsIgnoringCase(text, no))
            return false;
    }
    return true;
}

TDate GetDateSetting(const wchar_t* key, TDate fallback)
{
    const std::wstring text = GetSettingText(key);
    if (text.empty())
        return fallback;
    const TDate date = TDate::Parse(text.c_str());
    return date.IsReal() ? date : TDate();
}

uint32_t GetColourSetting(const wchar_t* key, uint32_t fallback)
{
    const std::wstring text = GetSettingText(key);
    if (text.empty())
        return fallback;
    // Runs of digits read with saturation, so a long run cannot overflow.
    auto readRun = [&](size_t& i, uint32_t limit) {
        uint64_t value = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            value = std::min<uint64_t>(value * 10 + static_cast<unsigned>(text[i] - L'0'), limit);
        return static_cast<uint32_t>(value);
    };
    if (std::all_of(text.begin(), text.end(), IsDigit)) {
        size_t i = 0;
        return readRun(i, 0xFFFFFF);
    }
    uint32_t parts[3] = {0, 0, 0};
    size_t i = 0;
    for (uint32_t& part : parts) {
        while (i < text.size() && !IsDigit(text[i]))
            ++i;
        if (i == text.size())
            break;
        part = readRun(i, 255);
    }
    return parts[0] | parts[1] << 8 | parts[2] << 16;
}

void ReadTextSetting(const wchar_t* key, std::wstring& value)
{
    const wchar_t* text = GetSettingText(key);
    if (*text)
        value = text;
}

void SetIntSetting(SettingSetter setter, const wchar_t* key, int value)
{
    if (setter)
        setter(key, ctext::IntText(value).c_str());
}

void SetBoolSetting(SettingSetter setter, const wchar_t* key, bool value)
{
    SetIntSetting(setter, key, value ? 1 : 0);
}

void SetDateSetting(SettingSetter setter, const wchar_t* key, TDate date)
{
    wchar_t text[20];
    date.Format(text, 20, 0, L"yyyyMMdd");
    if (setter)
        setter(key, text);
}
