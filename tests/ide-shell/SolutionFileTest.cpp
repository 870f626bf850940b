#include "SolutionFile.h"

#include "MemoryIni.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace kforge;

namespace {

const std::string demo = "C:\\work\\demo\\demo.ksl";

// The Project Explorer of the Demo solution: fixed items, a library, two
// saved files and one unsaved document.
std::vector<ProjectItem> DemoItems()
{
    return {{"root", ""},
            {"source", ""},
            {"libs", ""},
            {"libs::System", ""},
            {"file1", "C:\\work\\demo\\main.kln"},
            {"file2", "C:\\work\\demo\\forms\\about.kln"},
            {"file3", ""}};
}

SolutionValues DemoValues() { return {"Demo", "C:\\work\\demo\\main.kln", ""}; }

std::function<bool(const std::string&)> ExistingFiles(std::set<std::string> files)
{
    return [files](const std::string& path) { return files.count(path) > 0; };
}

const auto everyFileExists = [](const std::string&) { return true; };

}  // namespace

TEST(SolutionFile, ANewSolutionIsWrittenInItsLayout)
{
    MemoryIni ini;
    SaveSolution(ini, demo, DemoValues(), DemoItems());
    EXPECT_EQ(ini.Text(demo),
              "[Solution]\r\nName=Demo\r\nStartup=main.kln\r\nBuildBatch=\r\nFilesCount=2\r\n"
              "[Files]\r\nFile1=main.kln\r\nFile2=forms\\about.kln\r\n");
}

// Whichever write fails, the file keeps its old text and the save says so;
// once every write succeeds the new text is there whole.
TEST(SolutionFile, ASaveWhoseWriteFailsLeavesTheOldFile)
{
    const std::string old = "[Solution]\r\nName=Old\r\nFilesCount=1\r\n[Files]\r\nFile1=old.kln\r\n"
                            "[Tasks]\r\nCount=1\r\nItem0=old task\r\n";
    const std::vector<std::string> tasks = {"one", "two"};
    struct Save {
        const char* name;
        int writes;  // the WriteIni calls a whole save makes
        std::function<bool(MemoryIni&)> run;
    };
    const Save saves[] = {
        {"solution", 7, [](MemoryIni& ini) { return SaveSolution(ini, demo, DemoValues(), DemoItems()); }},
        {"tasks", 3, [&](MemoryIni& ini) { return SaveTasks(ini, demo, tasks); }},
    };
    for (const Save& save : saves) {
        for (int failAfter = 0; failAfter < save.writes; ++failAfter) {
            MemoryIni ini;
            ini.SetText(demo, old);
            ini.writesBeforeFailure = failAfter;
            EXPECT_FALSE(save.run(ini)) << save.name << " failing after " << failAfter;
            EXPECT_EQ(ini.Text(demo), old) << save.name << " failing after " << failAfter;
        }
        MemoryIni ini;
        ini.SetText(demo, old);
        ini.writesBeforeFailure = save.writes;
        EXPECT_TRUE(save.run(ini)) << save.name;
        EXPECT_NE(ini.Text(demo), old) << save.name;
    }
}

TEST(SolutionFile, ResavingMovesFilesBehindTheTasks)
{
    MemoryIni ini;
    SaveSolution(ini, demo, DemoValues(), DemoItems());
    SaveTasks(ini, demo, {"Check the error handling"});
    SaveSolution(ini, demo, DemoValues(), DemoItems());
    EXPECT_EQ(ini.Text(demo),
              "[Solution]\r\nName=Demo\r\nStartup=main.kln\r\nBuildBatch=\r\nFilesCount=2\r\n"
              "[Tasks]\r\nCount=1\r\nItem0=Check the error handling\r\n"
              "[Files]\r\nFile1=main.kln\r\nFile2=forms\\about.kln\r\n");
}

TEST(SolutionFile, ASolutionWithoutSavedFilesHasNoFilesSection)
{
    MemoryIni ini;
    ini.SetText(demo, "[Solution]\r\nName=Old\r\n[Files]\r\nFile1=gone.kln\r\n");
    SaveSolution(ini, demo, {"Demo", "", ""}, {{"root", ""}, {"file1", "   "}, {"file2", ""}});
    EXPECT_EQ(ini.Text(demo), "[Solution]\r\nName=Demo\r\nStartup=\r\nBuildBatch=\r\nFilesCount=0\r\n");
}

TEST(SolutionFile, OnlyFileItemsWithAPathAreWritten)
{
    MemoryIni ini;
    SaveSolution(ini, demo, DemoValues(),
                 {{"libs::System", "C:\\work\\demo\\System.kln"},
                  {"File9", "C:\\work\\demo\\upper.kln"},
                  {"file7", "C:\\work\\demo\\b.kln"},
                  {"file8", ""},
                  {"file4", "C:\\work\\demo\\a.kln"}});
    EXPECT_EQ(ini.Text(demo),
              "[Solution]\r\nName=Demo\r\nStartup=main.kln\r\nBuildBatch=\r\nFilesCount=2\r\n"
              "[Files]\r\nFile1=b.kln\r\nFile2=a.kln\r\n");
}

TEST(SolutionFile, PathsAreStoredRelativeWherePossibleAndReadBackInFull)
{
    struct Case {
        std::string solution, file, stored;
    };
    const Case cases[] = {
        {"C:\\proj\\p.ksl", "C:\\proj\\main.kln", "main.kln"},
        {"C:\\proj\\p.ksl", "C:\\proj\\sub\\a.kln", "sub\\a.kln"},
        {"C:\\proj\\sub\\p.ksl", "C:\\proj\\lib\\x.kln", "..\\lib\\x.kln"},
        {"C:\\a\\b\\p.ksl", "C:\\other\\x.kln", "..\\..\\other\\x.kln"},
        {"C:\\proj\\p.ksl", "D:\\x.kln", "D:\\x.kln"},
        {"C:\\x\\proj\\p.ksl", "C:\\x\\proj2\\a.kln", "..\\proj2\\a.kln"},
    };
    for (const Case& c : cases) {
        MemoryIni ini;
        SaveSolution(ini, c.solution, {"P", c.file, c.file}, {{"file1", c.file}});
        EXPECT_EQ(ini.ReadIni(c.solution, "Files", "File1"), c.stored) << c.file;
        EXPECT_EQ(ini.ReadIni(c.solution, "Solution", "Startup"), c.stored) << c.file;
        EXPECT_EQ(ini.ReadIni(c.solution, "Solution", "BuildBatch"), c.stored) << c.file;

        SolutionContents read = ReadSolution(ini, c.solution, everyFileExists);
        EXPECT_EQ(read.files, std::vector<std::string>{c.file}) << c.stored;
        EXPECT_EQ(read.values.startup, c.file) << c.stored;
        EXPECT_EQ(read.values.buildBatch, c.file) << c.stored;
    }
}

TEST(SolutionFile, ReadingThenSavingKeepsTheStoredForms)
{
    const std::string text =
        "[Solution]\r\nName=Demo\r\nStartup=..\\shared\\main.kln\r\nBuildBatch=make.bat\r\n"
        "FilesCount=2\r\n[Files]\r\nFile1=..\\shared\\main.kln\r\nFile2=E:\\lib\\x.kln\r\n";
    MemoryIni ini;
    ini.SetText(demo, text);
    SolutionContents read = ReadSolution(ini, demo, everyFileExists);
    EXPECT_EQ(read.values.startup, "C:\\work\\shared\\main.kln");
    EXPECT_EQ(read.values.buildBatch, "C:\\work\\demo\\make.bat");

    std::vector<ProjectItem> items;
    for (const std::string& file : read.files)
        items.push_back({"file" + std::to_string(items.size() + 1), file});
    SaveSolution(ini, demo, read.values, items);
    EXPECT_EQ(ini.Text(demo), text);
}

TEST(SolutionFile, ReadingTakesTheSolutionValues)
{
    MemoryIni ini;
    ini.SetText(demo, "[Solution]\r\nName=  Demo  \r\nStartup=\r\nFilesCount=7\r\n");
    SolutionContents read = ReadSolution(ini, demo, everyFileExists);
    EXPECT_EQ(read.filesCount, 7);
    EXPECT_EQ(read.values.name, "  Demo  ");
    EXPECT_EQ(read.values.startup, "") << "an empty start-up file stays empty";
    EXPECT_EQ(read.values.buildBatch, "");
    EXPECT_TRUE(read.files.empty());
}

TEST(SolutionFile, ANonNumericCountKeepsTheCounterAndReadsNoFiles)
{
    for (const char* count : {"", "two", "2x"}) {
        MemoryIni ini;
        ini.SetText(demo,
                    std::string("[Solution]\r\nFilesCount=") + count + "\r\n[Files]\r\nFile1=main.kln\r\n");
        SolutionContents read = ReadSolution(ini, demo, everyFileExists);
        EXPECT_EQ(read.filesCount, std::nullopt) << count;
        EXPECT_TRUE(read.files.empty()) << count;
    }
}

TEST(SolutionFile, ReadingSkipsEmptyMissingAndRepeatedFilesAndGoesOn)
{
    MemoryIni ini;
    ini.SetText(demo,
                "[Solution]\r\nFilesCount=7\r\n[Files]\r\n"
                "File1=main.kln\r\nFile2=   \r\nFile3=gone.kln\r\nFile4=MAIN.KLN\r\n"
                "File5=C:\\work\\demo\\main.kln\r\nFile6=..\\up.kln\r\nFile7=.\\forms\\about.kln\r\n");
    SolutionContents read =
        ReadSolution(ini, demo,
                     ExistingFiles({"C:\\work\\demo\\main.kln", "C:\\work\\demo\\MAIN.KLN",
                                    "C:\\work\\up.kln", "C:\\work\\demo\\forms\\about.kln"}));
    EXPECT_EQ(read.files, (std::vector<std::string>{"C:\\work\\demo\\main.kln", "C:\\work\\up.kln",
                                                    "C:\\work\\demo\\forms\\about.kln"}));
}

TEST(SolutionFile, ReadingStopsAtTheCountAndBridgesGaps)
{
    MemoryIni ini;
    ini.SetText(demo,
                "[Solution]\r\nFilesCount=3\r\n[Files]\r\nFile1=a.kln\r\nfile3=c.kln\r\n"
                "File4=d.kln\r\nFile03=zero.kln\r\n");
    SolutionContents read = ReadSolution(ini, demo, everyFileExists);
    EXPECT_EQ(read.files, (std::vector<std::string>{"C:\\work\\demo\\a.kln", "C:\\work\\demo\\c.kln"}));
}

TEST(SolutionFile, AHugeCountReadsOnlyTheKeysThatExist)
{
    MemoryIni ini;
    ini.SetText(demo,
                "[Solution]\r\nFilesCount=2147483647\r\n[Files]\r\nFile2=b.kln\r\n"
                "[Tasks]\r\nCount=2147483647\r\nItem1=task\r\n");
    SolutionContents read = ReadSolution(ini, demo, everyFileExists);
    EXPECT_EQ(read.filesCount, 2147483647);
    EXPECT_EQ(read.files, std::vector<std::string>{"C:\\work\\demo\\b.kln"});
    EXPECT_EQ(LoadTasks(ini, demo), std::vector<std::string>{"task"});
    EXPECT_LT(ini.readCount, 20);
}

// A damaged file whose counts and key numbers reach the top of the 32-bit
// range: only the keys that are there are read.
TEST(SolutionFile, KeysNumberedUpToTheCountLimitReadOnlyTheKeysThatExist)
{
    struct Case {
        const char* text;
        std::vector<std::string> files;
        std::vector<std::string> tasks;
    };
    const Case cases[] = {
        {"[Solution]\r\nFilesCount=2147483647\r\n[Files]\r\nFile2147483647=\r\n"
         "[Tasks]\r\nCount=2147483647\r\nItem2147483646=\r\n",
         {},
         {}},
        {"[Solution]\r\nFilesCount=2147483647\r\n[Files]\r\nFile2147483647=z.kln\r\nFile1=a.kln\r\n"
         "[Tasks]\r\nCount=2147483647\r\nItem2147483646=last\r\nItem0=first\r\n",
         {"C:\\work\\demo\\a.kln", "C:\\work\\demo\\z.kln"},
         {"first", "last"}},
        {"[Solution]\r\nFilesCount=2\r\n[Files]\r\nFile2147483647=z.kln\r\nFILE2=b.kln\r\n"
         "[Tasks]\r\nCount=1\r\nItem2147483646=last\r\nitem0=first\r\n",
         {"C:\\work\\demo\\b.kln"},
         {"first"}},
    };
    for (const Case& c : cases) {
        MemoryIni ini;
        ini.SetText(demo, c.text);
        EXPECT_EQ(ReadSolution(ini, demo, everyFileExists).files, c.files) << c.text;
        EXPECT_EQ(LoadTasks(ini, demo), c.tasks) << c.text;
        EXPECT_LT(ini.readCount, 20) << c.text;
    }
}

TEST(SolutionFile, CheckFileComparesTrimmedTagsCaseSensitively)
{
    const std::vector<ProjectItem> items = {{"libs::x", "C:\\lib\\x.kln"},
                                            {"file1", " C:\\work\\a.kln "},
                                            {"file2", "C:\\work\\b.kln"},
                                            {"file5", "C:\\work\\b.kln"}};
    EXPECT_TRUE(CheckFile(items, "C:\\work\\a.kln"));
    EXPECT_TRUE(CheckFile(items, "  C:\\work\\b.kln"));
    EXPECT_FALSE(CheckFile(items, "C:\\WORK\\a.kln"));
    EXPECT_FALSE(CheckFile(items, "C:\\lib\\x.kln")) << "only file items list files";
    EXPECT_FALSE(CheckFile(items, ""));
    EXPECT_EQ(FindFileItemKey(items, "C:\\work\\b.kln"), "file2");
    EXPECT_EQ(FindFileItemKey(items, "C:\\work\\c.kln"), "");
}

TEST(SolutionFile, ANameOfBlanksShowsBlankButIsWrittenAsGiven)
{
    EXPECT_EQ(RootItemText("   "), "Blank");
    EXPECT_EQ(RootItemText(""), "Blank");
    EXPECT_EQ(RootItemText(" Demo "), " Demo ");
    MemoryIni ini;
    SaveSolution(ini, demo, {"   ", "", ""}, {});
    EXPECT_EQ(ini.ReadIni(demo, "Solution", "Name"), "   ");
}

TEST(SolutionFile, SolutionAndRecentFileTestsDifferInCase)
{
    const struct {
        const char* path;
        bool opensAsSolution, belongsInFileMru;
        const char* savedAs;
    } cases[] = {
        {"C:\\a\\demo.ksl", true, false, "C:\\a\\demo.ksl"},
        {"C:\\a\\DEMO.KSL", true, true, "C:\\a\\DEMO.KSL"},
        {"C:\\a\\demo.ksl  ", true, true, "C:\\a\\demo.ksl  .ksl"},
        {"C:\\a\\main.kln", false, true, "C:\\a\\main.kln.ksl"},
        {"C:\\a\\demo", false, true, "C:\\a\\demo.ksl"},
        {"", false, true, ".ksl"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OpensAsSolution(c.path), c.opensAsSolution) << c.path;
        EXPECT_EQ(BelongsInFileMru(c.path), c.belongsInFileMru) << c.path;
        EXPECT_EQ(WithSolutionExtension(c.path), c.savedAs) << c.path;
    }
}

TEST(SolutionTasks, TheTaskFileIsTheSolutionElseTheDefault)
{
    EXPECT_EQ(DefaultSolutionPath("C:\\kiln"), "C:\\kiln\\!default.ksl");
    EXPECT_EQ(TaskFile("", "C:\\kiln"), "C:\\kiln\\!default.ksl");
    EXPECT_EQ(TaskFile("   ", "C:\\kiln"), "C:\\kiln\\!default.ksl");
    EXPECT_EQ(TaskFile(" C:\\work\\demo.ksl ", "C:\\kiln"), "C:\\work\\demo.ksl");
}

TEST(SolutionTasks, TasksAreSavedTrimmedAndLoadedWithoutBlanks)
{
    MemoryIni ini;
    ini.SetText(demo, "[Tasks]\r\nCount=9\r\nItem8=old\r\n[Files]\r\nFile1=a.kln\r\n");
    SaveTasks(ini, demo, {"  first  ", "   ", "New Task"});
    EXPECT_EQ(ini.Text(demo),
              "[Files]\r\nFile1=a.kln\r\n"
              "[Tasks]\r\nCount=3\r\nItem0=first\r\nItem1=\r\nItem2=New Task\r\n");
    EXPECT_EQ(LoadTasks(ini, demo), (std::vector<std::string>{"first", "New Task"}));
}

TEST(SolutionTasks, LoadingKeepsTheTextAsWrittenAndStopsAtTheCount)
{
    MemoryIni ini;
    ini.SetText(demo, "[Tasks]\r\nCount=3\r\nItem0= spaced \r\nItem2=third\r\nItem3=beyond\r\n");
    EXPECT_EQ(LoadTasks(ini, demo), (std::vector<std::string>{" spaced ", "third"}));
}

TEST(SolutionTasks, ACountThatIsNoNumberLoadsNothing)
{
    for (const char* section :
         {"[Tasks]\r\nItem0=a\r\n", "[Tasks]\r\nCount=\r\nItem0=a\r\n", "[Tasks]\r\nCount=one\r\nItem0=a\r\n",
          "[Tasks]\r\nCount=-1\r\nItem0=a\r\n"}) {
        MemoryIni ini;
        ini.SetText(demo, section);
        EXPECT_TRUE(LoadTasks(ini, demo).empty()) << section;
    }
    MemoryIni none;
    EXPECT_TRUE(LoadTasks(none, demo).empty());
}
