#include "PageTree.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> Order(const std::vector<PageTreeEntry>& entries)
{
    std::vector<std::wstring> lines;
    for (const PageTreeGroup& group : GroupPageEntries(entries)) {
        std::wstring line = group.name + L":";
        for (size_t index : group.entries)
            line += L" " + entries[index].title;
        lines.push_back(line);
    }
    return lines;
}

TEST(PageTree, GroupPageEntries_groupsExactlyAndSortsByKeys)
{
    EXPECT_EQ(Order({{L"[2]Lists", L"[2]Tasks"}, {L"Charts", L"Gantt"}, {L"[2]Lists", L"[1]Resources"},
                     {L"[1]Basics", L"Zeta"}, {L"[1]Basics", L"alpha"}}),
              (std::vector<std::wstring>{L"[1]Basics: alpha Zeta", L"[2]Lists: [1]Resources [2]Tasks",
                                         L"Charts: Gantt"}));
    // Names that differ in case alone are two groups, side by side.
    const std::vector<std::wstring> cased = Order({{L"View", L"A"}, {L"view", L"B"}, {L"View", L"C"}});
    ASSERT_EQ(cased.size(), 2u);
    EXPECT_TRUE((cased == std::vector<std::wstring>{L"View: A C", L"view: B"}) ||
                (cased == std::vector<std::wstring>{L"view: B", L"View: A C"}));
    EXPECT_TRUE(GroupPageEntries({}).empty());
}

} // namespace
