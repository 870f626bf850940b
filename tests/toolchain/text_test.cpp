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

TEST(Text, FileNameParts)
{
    struct Case {
        const char* path;
        const char* name;
        const char* stem;
        const char* extension;
    } cases[] = {
        {"a/b/Hello.CPP", "Hello.CPP", "Hello", ".cpp"},
        {"Hello", "Hello", "Hello", ""},
        {"dir.d/M", "M", "M", ""},
        {"/x/y.tar.lib", "y.tar.lib", "y.tar", ".lib"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(file_name_of(c.path), c.name) << c.path;
        EXPECT_EQ(stem_of(c.path), c.stem) << c.path;
        EXPECT_EQ(extension_of(c.path), c.extension) << c.path;
    }
}

TEST(Text, DefaultExtensionOnlyWhenNoneIsGiven)
{
    EXPECT_EQ(with_default_extension("lib/M", ".lib"), "lib/M.lib");
    EXPECT_EQ(with_default_extension("lib.d/M.a", ".lib"), "lib.d/M.a");
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
