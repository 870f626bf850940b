#include "Texts.h"

#include <gtest/gtest.h>

#include <string>

using namespace kforge;

TEST(Texts, TrimRemovesSpacesOnly)
{
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
}

TEST(Texts, ReplaceAllDoesNotSearchInsertedText)
{
    EXPECT_EQ(ReplaceAll("%A%-%A%", "%A%", "x"), "x-x");
    EXPECT_EQ(ReplaceAll("%A%", "%A%", "%A%%A%"), "%A%%A%");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(Texts, ParseInt32TakesDecimalNumbersThatFit)
{
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"12", 12},
        {" 7 ", 7},
        {"-3", -3},
        {"+4", 4},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"99999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"3a", std::nullopt},
        {"1 2", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& [text, number] : cases) EXPECT_EQ(ParseInt32(text), number) << text;
}
