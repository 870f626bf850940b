#include "Paths.h"

#include <gtest/gtest.h>

#include <string>

using namespace kforge;

namespace {

struct PathCase {
    std::string path;
    std::string fileName, folder, title, extension;
};

struct RelativeCase {
    std::string base, target, relative;
};

}  // namespace

TEST(Paths, PathTexts)
{
    const PathCase cases[] = {
        {"C:\\a\\b.kln", "b.kln", "C:\\a", "b", "kln"},
        {"C:\\a\\b.c.kln", "b.c.kln", "C:\\a", "b.c", "kln"},
        {"C:\\a\\Makefile", "Makefile", "C:\\a", "Makefile", "Makefile"},
        {"C:\\a.d\\Makefile", "Makefile", "C:\\a.d", "Makefile", "Makefile"},
        {"main.kln", "main.kln", "", "main", "kln"},
        {"C:\\a\\", "", "C:\\a", "", ""},
        {"C:\\a\\.profile", ".profile", "C:\\a", "", "profile"},
        {"C:\\a\\b.", "b.", "C:\\a", "b", ""},
        {"", "", "", "", ""},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(GetFileName(c.path), c.fileName) << c.path;
        EXPECT_EQ(GetPath(c.path), c.folder) << c.path;
        EXPECT_EQ(GetFileTitle(c.path), c.title) << c.path;
        EXPECT_EQ(GetFileExt(c.path), c.extension) << c.path;
    }
}

TEST(Paths, RelativeIsWhatNamesNeitherARootNorADrive)
{
    for (const char* path : {"main.kln", "sub\\a.kln", "..\\x.kln", ".\\a", ""}) {
        EXPECT_TRUE(IsRelativePath(path)) << path;
    }
    for (const char* path : {"C:\\a.kln", "c:a.kln", "\\a.kln", "\\\\server\\share\\a.kln"}) {
        EXPECT_FALSE(IsRelativePath(path)) << path;
    }
}

TEST(Paths, CanonicalizeAppliesDotSteps)
{
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\proj\\..\\other\\x.kln", "C:\\other\\x.kln"},
        {"C:\\proj\\.\\sub\\.\\a.kln", "C:\\proj\\sub\\a.kln"},
        {"C:\\a\\b\\..\\..\\c", "C:\\c"},
        {"C:\\a\\..", "C:\\"},
        {"C:\\..\\..\\a.kln", "C:\\a.kln"},
        {"C:\\a\\b\\..\\", "C:\\a\\"},
        {"C:\\a\\.", "C:\\a"},
        {"C:\\a\\...\\b", "C:\\a\\...\\b"},
        {"C:\\a\\..b\\c", "C:\\a\\..b\\c"},
        {"\\\\server\\share\\..\\a", "\\\\server\\share\\a"},
        {"\\a\\..\\..\\b", "\\b"},
        {"a\\..\\..\\b", "..\\b"},
        {"..\\..\\a", "..\\..\\a"},
        {"C:\\plain\\path.kln", "C:\\plain\\path.kln"},
        {"", ""},
    };
    for (const auto& [path, canonical] : cases) EXPECT_EQ(CanonicalizePath(path), canonical) << path;
}

TEST(Paths, RelativePathWorksOnWholeComponents)
{
    const RelativeCase cases[] = {
        {"C:\\proj", "C:\\proj\\main.kln", "main.kln"},
        {"C:\\proj", "C:\\proj\\sub\\a.kln", "sub\\a.kln"},
        {"C:\\proj\\sub", "C:\\proj\\lib\\x.kln", "..\\lib\\x.kln"},
        {"C:\\a\\b", "C:\\other\\x.kln", "..\\..\\other\\x.kln"},
        {"C:\\proj", "D:\\x.kln", "D:\\x.kln"},
        {"C:\\proj", "main.kln", "main.kln"},
        {"", "C:\\proj\\main.kln", "C:\\proj\\main.kln"},
        {"C:\\proj", "", ""},
        {"c:\\Work", "C:\\work\\a.kln", "a.kln"},
        {"C:\\x\\proj", "C:\\x\\proj2\\a.kln", "..\\proj2\\a.kln"},
        {"C:\\x\\proj2", "C:\\x\\proj\\a.kln", "..\\proj\\a.kln"},
        {"C:\\proj", "C:\\proj", ""},
        {"C:\\proj\\", "C:\\proj\\a.kln", "a.kln"},
        {"C:\\", "C:\\a.kln", "a.kln"},
        {"C:\\a", "C:\\", ".."},
        {"C:\\proj", "C:\\projects\\a.kln", "..\\projects\\a.kln"},
        {"\\\\server\\share\\proj", "\\\\server\\share\\lib\\a.kln", "..\\lib\\a.kln"},
        {"\\\\server\\share", "\\\\server2\\share\\a.kln", "\\\\server2\\share\\a.kln"},
    };
    for (const RelativeCase& c : cases) {
        EXPECT_EQ(RelativePath(c.base, c.target), c.relative) << c.base << " | " << c.target;
    }
}

TEST(Paths, ARelativePathResolvesBackToItsTarget)
{
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\proj\\sub", "C:\\proj\\lib\\x.kln"},
        {"C:\\a\\b", "C:\\other\\x.kln"},
        {"C:\\x\\proj", "C:\\x\\proj2\\a.kln"},
        {"C:\\proj", "C:\\proj\\deep\\er\\a.kln"},
    };
    for (const auto& [base, target] : cases) {
        std::string relative = RelativePath(base, target);
        EXPECT_EQ(CanonicalizePath(base + "\\" + relative), target) << relative;
    }
}
