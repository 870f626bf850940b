#include "text.h"

#include <gtest/gtest.h>

namespace kiln {
namespace {

TEST(Text, JoinsArgumentsWithSingleBlanks)
{
    const char* argv[] = {"ilink32", "-Gn", "a.obj", ",a.exe,nul,"};
    EXPECT_EQ(join_arguments(4, argv), "-Gn a.obj ,a.exe,nul,");
    EXPECT_EQ(join_arguments(1, argv), "");
}

TEST(Text, SplitsWordsAtRunsOfBlanks)
{
    EXPECT_EQ(split_words("  a \t b  c "), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(split_words("a\nb\r\nc"), (std::vector<std::string>{"a", "b", "c"}))
        << "line ends in an argument";
    EXPECT_TRUE(split_words("   ").empty());
}

TEST(Text, SplitsAtSeparatorKeepingEmptyPieces)
{
    EXPECT_EQ(split_at("a,,b,", ','), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(split_at("", ','), (std::vector<std::string>{""}));
}

TEST(Text, BackslashesBecomeSlashes)
{
    EXPECT_EQ(to_posix_path("B/lib\\core\\stc.obj"), "B/lib/core/stc.obj");
}

TEST(Text, SameFileThroughDifferentSpellings)
{
    EXPECT_TRUE(same_file("a/./b.obj", "a/b.obj")) << "not existing: compared by name";
    EXPECT_FALSE(same_file("a/b.obj", "a/c.obj"));
    EXPECT_TRUE(same_file("/proc/self/../self/status", "/proc/self/status"));
}

TEST(Text, ResponseFileNamesAreNotPassedBare)
{
    EXPECT_EQ(as_tool_argument("@x.obj"), "./@x.obj");
    EXPECT_EQ(as_tool_argument("dir/@x.obj"), "dir/@x.obj");
    EXPECT_EQ(as_tool_argument("x@.obj"), "x@.obj");
}

}  // namespace
}  // namespace kiln
