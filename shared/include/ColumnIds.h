#pragma once
// Column-id lists of the grid view (ids 0 to 7, one per column, in display order) and the
// columns' names: shared by the viewer's grid settings and the report plug-in's task lists.

#include <string>
#include <vector>

// Appends the ids 0 to 7 in order, leaving out 6 (costs) when `withoutCosts`; returns the
// list's size.
int GetDefaultColumnIds(std::vector<int>& list, bool withoutCosts = false);
// Appends the integers of a text separated by white space, up to the first piece that is no
// integer; returns the list's size.
int ParseColumnOrder(std::vector<int>& list, const std::wstring& text);
// Replaces `defaults` by the ids of `read` that occur in it (in read order, each once) followed
// by the default ids that `read` lacks (in default order); other ids of `read` are dropped.
// Returns the new size.
int MergeColumnIdList(std::vector<int>& defaults, const std::vector<int>& read);
// The ids as decimal numbers separated by single blanks.
std::wstring FormatColumnIds(const std::vector<int>& list);
// The column's name (0 task, 1 resource, 2 start, 3 end, 4 duration, 5 working time, 6 costs,
// 7 note); `numeric` is set for columns 2 to 6 and, with an empty name, for an unknown id.
std::wstring GetColumnName(int id, bool& numeric);
