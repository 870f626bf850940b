#include "ExplorerRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using namespace kforge;

namespace {

// A Start Page, two file documents and a second window on a file.
std::vector<ExplorerDocument> OpenDocuments()
{
    return {{1, "Startup", ""},
            {4, "file2", "C:\\work\\demo\\main.kln"},
            {7, "FILE3", "C:\\work\\demo\\forms\\about.kln"},
            {9, "file5", "c:\\work\\demo\\MAIN.kln"}};
}

}  // namespace

TEST(ExplorerRules, LibraryItemsAndTheirSources)
{
    EXPECT_EQ(LibraryKey("System"), "libs::System");
    EXPECT_TRUE(IsLibraryKey(LibraryKey("System")));
    EXPECT_TRUE(IsLibraryKey("libs::"));
    for (const char* key : {"libs", "libs:", "Libs::System", "file1", "source", ""}) {
        EXPECT_FALSE(IsLibraryKey(key)) << key;
    }
    EXPECT_EQ(LibraryPattern("C:\\Kiln"), "C:\\Kiln\\lib\\*.kmd");
    EXPECT_EQ(LibrarySourcePath("C:\\Kiln", "KApp"), "C:\\Kiln\\lib\\KApp.kln");
}

TEST(ExplorerRules, NewDocumentKeysCountOnAndStopAtTheTop)
{
    struct Case {
        std::int32_t counter;
        std::string key;
        std::int32_t after;
    };
    const std::int32_t top = std::numeric_limits<std::int32_t>::max();
    const Case cases[] = {
        {0, "file1", 1},
        {41, "file42", 42},
        {-3, "file-2", -2},
        {top - 1, "file" + std::to_string(top), top},
        {top, "file" + std::to_string(top), top},
    };
    for (const Case& c : cases) {
        std::int32_t counter = c.counter;
        EXPECT_EQ(NewDocumentKey(counter), c.key) << c.counter;
        EXPECT_EQ(counter, c.after) << c.counter;
    }
}

TEST(ExplorerRules, DocumentsAreFoundByKeyOrFileIgnoringCaseFirstMatchFirst)
{
    const std::vector<ExplorerDocument> documents = OpenDocuments();
    EXPECT_EQ(FindDocumentByKey(documents, "file2"), 4);
    EXPECT_EQ(FindDocumentByKey(documents, "file3"), 7);
    EXPECT_EQ(FindDocumentByKey(documents, "file4"), -1);
    EXPECT_EQ(FindDocumentByKey(documents, "root"), -1);
    EXPECT_EQ(FindDocumentByFile(documents, "C:\\WORK\\demo\\main.kln"), 4);
    EXPECT_EQ(FindDocumentByFile(documents, "C:\\work\\demo\\forms\\about.kln"), 7);
    EXPECT_EQ(FindDocumentByFile(documents, "C:\\work\\demo\\other.kln"), -1);
    // An empty path is no file: the Start Page's empty file name does not count.
    EXPECT_EQ(FindDocumentByFile(documents, ""), -1);
}

TEST(ExplorerRules, ItemsShowTheFileTitle)
{
    EXPECT_EQ(ItemTitle("C:\\work\\demo\\forms\\about.kln"), "about");
    EXPECT_EQ(ItemTitle("Win32.Api.kmd"), "Win32.Api");
    EXPECT_EQ(ItemTitle("README"), "README");
}
