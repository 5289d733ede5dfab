#include "fw/CommandTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CommandTable, Execute_rangesSingleIdsAndTheFirstEntryWins)
{
    fw::CCommandTable table;
    std::vector<UINT> ran;
    table.Add(10, [&](UINT id) { ran.push_back(id); });
    table.AddRange(800, 850, [&](UINT id) { ran.push_back(id + 1000); });
    table.Add(820, [&](UINT id) { ran.push_back(id + 2000); }); // behind the range: never reached
    table.Add(11, {});                                           // a command that does nothing

    EXPECT_TRUE(table.Execute(10));
    EXPECT_TRUE(table.Execute(800));
    EXPECT_TRUE(table.Execute(820));
    EXPECT_TRUE(table.Execute(850));
    EXPECT_TRUE(table.Execute(11));
    EXPECT_FALSE(table.Execute(851));
    EXPECT_FALSE(table.Execute(799));
    EXPECT_EQ(ran, (std::vector<UINT>{10, 1800, 1820, 1850}));
}

TEST(CommandTable, Update_onlyEntriesWithAnUpdate)
{
    fw::CCommandTable table;
    table.Add(1, {}, [](fw::CCommandState& state) { state.Enable(false); });
    table.AddRange(5, 7, {}, [](fw::CCommandState& state) { state.Check(state.id == 6); });
    table.Add(2, {});

    fw::CCommandState one;
    one.id = 1;
    EXPECT_TRUE(table.Update(one));
    EXPECT_TRUE(one.handled);
    EXPECT_FALSE(one.enabled);

    fw::CCommandState six;
    six.id = 6;
    EXPECT_TRUE(table.Update(six));
    EXPECT_TRUE(six.checked);

    fw::CCommandState two;
    two.id = 2;
    EXPECT_FALSE(table.Update(two));
    EXPECT_FALSE(two.handled);
    EXPECT_TRUE(table.Covers(2));
    EXPECT_FALSE(table.Covers(3));
}

TEST(CommandTable, Execute_anActionMayChangeTheTable)
{
    fw::CCommandTable table;
    int runs = 0;
    table.Add(1, [&](UINT) {
        ++runs;
        for (UINT id = 100; id < 200; ++id) // reallocates the entries under the running action
            table.Add(id, {});
    });
    EXPECT_TRUE(table.Execute(1));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(table.Covers(150));
}

} // namespace
