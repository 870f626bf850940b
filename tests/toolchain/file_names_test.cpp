#include "file_names.h"

#include <gtest/gtest.h>

namespace kiln {
namespace {

TEST(FileNames, Parts)
{
    struct Case {
        const char* path;
        const char* name;
        const char* stem;
        const char* extension;
        const char* without_extension;
    } cases[] = {
        {"a/b/Hello.CPP", "Hello.CPP", "Hello", ".cpp", "a/b/Hello"},
        {"Hello", "Hello", "Hello", "", "Hello"},
        {"dir.d/M", "M", "M", "", "dir.d/M"},
        {"/x/y.tar.lib", "y.tar.lib", "y.tar", ".lib", "/x/y.tar"},
        {"lib\\Strings.kmd", "Strings.kmd", "Strings", ".kmd", "lib\\Strings"},
        {"a.d\\M", "M", "M", "", "a.d\\M"},
        {".profile", ".profile", ".profile", "", ".profile"},
        {"x/.kln", ".kln", ".kln", "", "x/.kln"},
        {"M.", "M.", "M", ".", "M"},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(file_name_of(c.path), c.name) << c.path;
        EXPECT_EQ(stem_of(c.path), c.stem) << c.path;
        EXPECT_EQ(extension_of(c.path), c.extension) << c.path;
        EXPECT_EQ(without_extension(c.path), c.without_extension) << c.path;
    }
}

TEST(FileNames, DefaultExtensionOnlyWhenNoneIsGiven)
{
    EXPECT_EQ(with_default_extension("lib/M", ".lib"), "lib/M.lib");
    EXPECT_EQ(with_default_extension("lib.d/M.a", ".lib"), "lib.d/M.a");
    EXPECT_EQ(with_default_extension("lib.d\\M", ".kln"), "lib.d\\M.kln");
}

}  // namespace
}  // namespace kiln
