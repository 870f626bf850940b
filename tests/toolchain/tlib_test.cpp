#include "tlib.h"

#include "frontend.h"

#include <gtest/gtest.h>

namespace kiln {
namespace {

using Action = LibraryEdit::Action;

TEST(Tlib, TheLibraryLineOfTheBuildDriver)
{
    LibraryRequest request = parse_tlib("/P32 Hello.lib -+Hello");
    EXPECT_EQ(request.library, "Hello.lib");
    ASSERT_EQ(request.edits.size(), 1u);
    EXPECT_EQ(request.edits[0].action, Action::add_or_replace);
    EXPECT_EQ(request.edits[0].object, "Hello.obj");
    EXPECT_EQ(edit_command(request.library, request.edits[0]),
              (std::vector<std::string>{cross_archiver, "rcs", "Hello.lib", "Hello.obj"}));
}

TEST(Tlib, OptionsCommandsAndDefaults)
{
    LibraryRequest request = parse_tlib("/p16 /C /e lib\\M +A +-B.obj -sub\\C");
    EXPECT_EQ(request.library, "lib/M.lib");
    ASSERT_EQ(request.edits.size(), 3u);
    EXPECT_EQ(request.edits[0].object, "A.obj");
    EXPECT_EQ(request.edits[1].action, Action::add_or_replace);
    EXPECT_EQ(request.edits[1].object, "B.obj");
    EXPECT_EQ(request.edits[2].action, Action::remove);
    EXPECT_EQ(edit_command(request.library, request.edits[2]),
              (std::vector<std::string>{cross_archiver, "d", "lib/M.lib", "C.obj"}));
}

TEST(Tlib, PosixLibraryPathIsNotAnOption)
{
    EXPECT_EQ(parse_tlib("/P32 /work/Cache.lib -+Cache").library, "/work/Cache.lib");
    EXPECT_EQ(parse_tlib("/Pages.lib +X").library, "/Pages.lib");
}

TEST(Tlib, QuotedNamesWithBlanks)
{
    LibraryRequest request = parse_tlib("/P32 \"My Libs\\Kiln, Core.lib\" -+\"Obj Dir/M\" +\"N.obj\"");
    EXPECT_EQ(request.library, "My Libs/Kiln, Core.lib");
    ASSERT_EQ(request.edits.size(), 2u);
    EXPECT_EQ(request.edits[0].object, "Obj Dir/M.obj");
    EXPECT_EQ(request.edits[1].object, "N.obj");
}

TEST(Tlib, RejectedLines)
{
    struct Case {
        const char* line;
        const char* reason;
    } cases[] = {
        {"", "no library given"},
        {"/P32", "no library given"},
        {"M.lib", "no command given"},
        {"M.lib *A", "extracting ('*') is not supported"},
        {"M.lib -*A", "extracting ('*') is not supported"},
        {"M.lib +A, list.txt", "listfiles are not supported"},
        {"@commands", "response files are not supported"},
        {"M.lib +@list", "listfiles are not supported"},
        {"M.lib ++A", "unsupported command '++A'"},
        {"M.lib +", "command '+' names no object"},
        {"-x M.lib +A", "unsupported option '-x'"},
    };
    for (const Case& c : cases) {
        try {
            parse_tlib(c.line);
            ADD_FAILURE() << "accepted: " << c.line;
        } catch (const Failure& failure) {
            EXPECT_STREQ(failure.what(), c.reason) << c.line;
        }
    }
}

}  // namespace
}  // namespace kiln
