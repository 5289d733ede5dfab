#include "FileNameRules.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNameRules, Apply_eachCharacterOnceAndInsertedTextNeverAgain)
{
    CFileNameRules rules;
    rules.Build(L"aaa\t b");
    EXPECT_EQ(rules.Apply(L"banana"), L"baanaanaa");
    EXPECT_EQ(rules.Apply(L"a a"), L"aabaa");
    EXPECT_EQ(rules.Apply(L""), L"");
}

TEST(FileNameRules, Build_laterRulesWinAndEmptyReplacementsRemove)
{
    CFileNameRules rules;
    rules.Build(L"#x\t\t#y\t%");
    EXPECT_EQ(rules.Apply(L"#1%2"), L"y12");
    CFileNameRules none;
    none.Build(L"\t\t");
    EXPECT_TRUE(none.Empty());
    EXPECT_EQ(none.Apply(L"a b"), L"a b");
}

} // namespace
