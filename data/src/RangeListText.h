#pragma once
// The text form of a working-time range list in project files: ranges "HH:mm-HH:mm" joined by
// ";" (08:00-12:00;13:00-17:00), 24:00 written as 00:00, the empty text for no ranges. The same
// characters whatever the user's locale.

#include <string>
#include <string_view>
#include <vector>

std::wstring RangeListText(const int* pairs, int count);
// Replaces `pairs` with the ranges of `text`: 0, or 8 (pairs unchanged) when a field has no "-".
int ParseRangeListText(std::wstring_view text, std::vector<int>& pairs);
