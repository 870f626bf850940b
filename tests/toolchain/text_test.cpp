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

TEST(Text, RejoinedArgumentsKeepTheirBlanksQuoted)
{
    struct Case {
        std::vector<const char*> arguments;  // after the program name
        const char* line;
    } cases[] = {
        {{"-ap", "/Kiln Tools/lib/core/stc.obj", "Hello.obj"},
         "-ap \"/Kiln Tools/lib/core/stc.obj\" Hello.obj"},
        {{",My Out.exe,nul,cw32mt.lib"}, ",\"My Out.exe\",nul,cw32mt.lib"},
        {{"/B d/System.lib,,/B d/R.res"}, "\"/B d/System.lib\",,\"/B d/R.res\""},
        {{"\"My Lib.lib\""}, "\"My Lib.lib\""},
        {{"tab\there"}, "\"tab\there\""},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"tool"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        EXPECT_EQ(join_arguments(int(argv.size()), argv.data()), c.line);
    }
}

TEST(Text, QuotedPartsAreOneWord)
{
    EXPECT_EQ(split_words("-c \"My Projects/Hello.cpp\""),
              (std::vector<std::string>{"-c", "My Projects/Hello.cpp"}));
    EXPECT_EQ(split_words("\"a b\"c d"), (std::vector<std::string>{"a bc", "d"})) << "quotes inside a word";
    EXPECT_EQ(split_words("a \"\" b"), (std::vector<std::string>{"a", "b"})) << "an empty quoted word";
    EXPECT_EQ(split_words("\"open end"), (std::vector<std::string>{"open end"}));
    EXPECT_EQ(split_at("a,\"b,c\",d", ','), (std::vector<std::string>{"a", "\"b,c\"", "d"}));
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
