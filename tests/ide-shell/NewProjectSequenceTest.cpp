#include "NewProjectSequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

namespace kforge {
namespace {

struct FakeWindow {
    int id = 0;
    std::string caption;
    std::string key;
    bool editor = true;
    std::string fileName;
    bool changed = false;
    bool saveWorks = true;  // what SaveFile does for it while active
    std::string text;
    std::string moduleLabel;
};

// Keeps the documents and records every call as one line.
class FakeHost : public INewProjectHost {
public:
    ShellValues values;
    std::vector<FakeWindow> windows;
    int active = -1;
    bool newDocumentOpens = true;
    bool fileListed = false;
    bool editorSaveWorks = true;
    std::vector<std::string> calls;
    std::vector<std::string> pathsAtSaveFile;  // solutionPath when SaveFile was called
    int lastId = 0;                            // window ids are never reused

    int Add(FakeWindow window)
    {
        window.id = ++lastId;
        windows.push_back(window);
        active = window.id;
        return window.id;
    }
    FakeWindow* Find(int id)
    {
        for (FakeWindow& window : windows)
            if (window.id == id) return &window;
        return nullptr;
    }
    bool Has(int id) { return Find(id) != nullptr; }
    int Count(const std::string& call)
    {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
    void Log(const std::string& call) { calls.push_back(call); }

    ShellValues& Values() override { return values; }
    std::vector<int> DocumentWindows() override
    {
        std::vector<int> ids;
        for (const FakeWindow& window : windows) ids.push_back(window.id);
        return ids;
    }
    int ActiveWindow() override { return active; }
    std::string WindowCaption(int w) override { return Find(w)->caption; }
    void SetWindowCaption(int w, const std::string& caption) override
    {
        Log("SetWindowCaption " + std::to_string(w) + " [" + caption + "]");
        Find(w)->caption = caption;
    }
    std::string WindowKey(int w) override { return Find(w)->key; }
    void SetWindowKey(int w, const std::string& key) override
    {
        Log("SetWindowKey " + std::to_string(w) + " " + key);
        Find(w)->key = key;
    }
    void Activate(int w) override
    {
        Log("Activate " + std::to_string(w));
        active = w;
    }
    void Close(int w) override
    {
        Log("Close " + std::to_string(w));
        windows.erase(
            std::find_if(windows.begin(), windows.end(), [w](const FakeWindow& x) { return x.id == w; }));
        if (active == w) active = windows.empty() ? -1 : windows.front().id;
    }
    bool IsEditor(int w) override { return Find(w)->editor; }
    std::string FileName(int w) override { return Find(w)->fileName; }
    void SetFileName(int w, const std::string& path) override
    {
        Log("SetFileName " + std::to_string(w) + " " + path);
        Find(w)->fileName = path;
    }
    bool DocChanged(int w) override { return Find(w)->changed; }
    void SetModuleLabel(int w, const std::string& text) override
    {
        Log("SetModuleLabel " + std::to_string(w) + " [" + text + "]");
        Find(w)->moduleLabel = text;
    }
    void SetEditorText(int w, const std::string& text) override
    {
        Log("SetEditorText " + std::to_string(w));
        Find(w)->text = text;
    }
    bool SaveEditorText(int w, const std::string& path) override
    {
        Log("SaveEditorText " + std::to_string(w) + " " + path);
        return editorSaveWorks;
    }
    void NewDocument(const std::string& path) override
    {
        Log("NewDocument [" + path + "]");
        if (newDocumentOpens) Add(FakeWindow{0, " Blank * ", ""});
    }
    void SaveFile() override
    {
        Log("SaveFile " + std::to_string(active));
        pathsAtSaveFile.push_back(values.solutionPath);
        FakeWindow* window = Find(active);
        if (window && window->saveWorks) {
            if (window->fileName.empty())
                window->fileName = "C:\\saved" + std::to_string(window->id) + ".kln";
            window->changed = false;
        }
    }
    void UpdateUI(bool projectTools) override { Log(std::string("UpdateUI ") + (projectTools ? "1" : "0")); }
    void InitializeProject() override { Log("InitializeProject"); }
    void AddMruItem(const std::string& list, const std::string& text) override
    {
        Log("AddMruItem " + list + " " + text);
    }
    bool CheckFile(const std::string& path) override
    {
        Log("CheckFile " + path);
        return fileListed;
    }
    void SaveSolution(const std::string& path) override
    {
        Log("SaveSolution " + path + " [" + values.solutionName + "|" + values.solutionStartup + "|" +
            values.solutionBuildBatch + "]");
    }
    void AddItem(const std::string& relative, int relation, const std::string& key, const std::string& text,
                 int image) override
    {
        Log("AddItem " + relative + " " + std::to_string(relation) + " " + key + " " + text + " " +
            std::to_string(image));
    }
    void RenameItem(int index, const std::string& text) override
    {
        Log("RenameItem " + std::to_string(index) + " " + text);
    }
    void RenameItem(const std::string& key, const std::string& text) override
    {
        Log("RenameItem " + key + " " + text);
    }
    void SetItemTag(const std::string& key, const std::string& tag) override
    {
        Log("SetItemTag " + key + " " + tag);
    }
};

class NewProjectSequenceTest : public ::testing::Test {
protected:
    void Open(std::optional<std::string> source = std::string("the source"))
    {
        NewProjectSequence sequence(host);
        sequence.onAskSave = [this] {
            asked.push_back(host.active);
            if (answers.empty()) return SaveAnswer::No;
            const SaveAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        };
        sequence.Open(NewProject{"Demo", NewProjectPaths("C:\\p", "Demo"), source});
    }
    std::vector<std::string> CallsFrom(const std::string& first)
    {
        auto found = std::find(host.calls.begin(), host.calls.end(), first);
        return std::vector<std::string>(found, host.calls.end());
    }

    FakeHost host;
    std::deque<SaveAnswer> answers;
    std::vector<int> asked;  // the active window at each prompt
    const ProjectPaths paths = NewProjectPaths("C:\\p", "Demo");
};

TEST_F(NewProjectSequenceTest, OpensTheStartupDocumentAndWritesTheSolutionAroundIt)
{
    host.values.solutionName = "Old";
    host.values.solutionBuildBatch = "C:\\old\\make.bat";
    host.values.documentCounter = 7;
    Open();
    const std::string values = "[Demo|" + paths.startup + "|C:\\old\\make.bat]";
    const std::vector<std::string> expected = {
        "SaveSolution " + paths.solution + " " + values,
        "RenameItem 0 Demo",
        "NewDocument []",
        "SetEditorText 1",
        "UpdateUI 0",
        "CheckFile " + paths.startup,
        "SetWindowKey 1 file1",
        "InitializeProject",
        "AddItem source 2 file1 blank 4",
        "SaveEditorText 1 " + paths.startup,
        "SetFileName 1 " + paths.startup,
        "SetModuleLabel 1 [Module :   Demo.kln]",
        "SetWindowCaption 1 [ Demo.kln ]",
        "AddMruItem FileMruList " + paths.startup,
        "RenameItem file1 Demo",
        "SetItemTag file1 " + paths.startup,
        "SaveSolution " + paths.solution + " " + values,
        "UpdateUI 1",
    };
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(host.windows.at(0).text, "the source");
    EXPECT_EQ(host.values.solutionPath, paths.solution);
    EXPECT_EQ(host.values.documentCounter, 1);
}

TEST_F(NewProjectSequenceTest, EachOpenDocumentIsOfferedForSavingAsItsStateAsks)
{
    struct Case {
        const char* what;
        FakeWindow window;
        bool prompted;
        bool closed;
    };
    const Case cases[] = {
        {"changed file", {0, " a.kln ", "file3", true, "C:\\a.kln", true}, true, true},
        {"unsaved, unchanged", {0, " Blank * ", "file4", true, "", false}, true, true},
        {"saved, unchanged", {0, " b.kln ", "file5", true, "C:\\b.kln", false}, false, true},
        {"changed, no file key", {0, " c.kln ", "", true, "C:\\c.kln", true}, true, true},
        {"Start Page by caption", {0, " Start Page ", "other", false}, false, false},
        {"Start Page by key", {0, " Welcome ", "Startup", false}, false, false},
        {"another form", {0, " Other ", "x", false}, false, true},
    };
    for (const Case& c : cases) {
        FakeHost fresh;
        host = fresh;
        asked.clear();
        const int id = host.Add(c.window);
        Open();
        EXPECT_EQ(!asked.empty(), c.prompted) << c.what;
        if (c.prompted) EXPECT_EQ(asked.front(), id) << c.what << ": the prompt's document is active";
        EXPECT_EQ(host.Count("Close " + std::to_string(id)), c.closed ? 1 : 0) << c.what;
        if (!c.closed) EXPECT_EQ(host.Find(id)->key, "Startup") << c.what;
    }
}

TEST_F(NewProjectSequenceTest, TwoChangedDocumentsAskTwiceAndTheStartPageStays)
{
    const int start = host.Add({0, " Start Page ", "Startup", false});
    const int first = host.Add({0, " a.kln ", "file1", true, "C:\\a.kln", true});
    const int second = host.Add({0, " b.kln ", "file2", true, "C:\\b.kln", true});
    answers = {SaveAnswer::Yes, SaveAnswer::No};
    Open();
    EXPECT_EQ(asked, (std::vector<int>{first, second}));
    EXPECT_EQ(host.Count("SaveFile " + std::to_string(first)), 1);
    EXPECT_EQ(host.Count("SaveFile " + std::to_string(second)), 0);
    EXPECT_FALSE(host.Has(first));
    EXPECT_FALSE(host.Has(second));
    ASSERT_TRUE(host.Has(start));
    EXPECT_EQ(host.Find(start)->key, "Startup");
}

TEST_F(NewProjectSequenceTest, AYesWithoutACompletedSaveOrAnEscapeAsksAgain)
{
    struct Case {
        const char* what;
        bool saveWorks;
        std::deque<SaveAnswer> answers;
        int prompts;
        int saves;
    };
    using A = SaveAnswer;
    const Case cases[] = {
        {"save works", true, {A::Yes, A::Yes}, 1, 1},
        {"save fails, then No", false, {A::Yes, A::Yes, A::No}, 3, 2},
        {"No at once", true, {A::No}, 1, 0},
        {"Escape, then Yes", true, {A::Keep, A::Yes}, 2, 1},
        {"Escape twice, then No", true, {A::Keep, A::Keep, A::No}, 3, 0},
    };
    for (const Case& c : cases) {
        FakeHost fresh;
        host = fresh;
        asked.clear();
        answers = c.answers;
        FakeWindow window{0, " a.kln ", "file1", true, "C:\\a.kln", true};
        window.saveWorks = c.saveWorks;
        const int id = host.Add(window);
        Open();
        EXPECT_EQ(static_cast<int>(asked.size()), c.prompts) << c.what;
        EXPECT_EQ(host.Count("SaveFile " + std::to_string(id)), c.saves) << c.what;
        EXPECT_FALSE(host.Has(id)) << c.what << ": closed in the end";
    }
}

TEST_F(NewProjectSequenceTest, ASaveOfferedWhileClosingBelongsToTheOldSolution)
{
    host.values.solutionPath = "C:\\old\\Old.ksl";
    host.values.solutionName = "Old";
    host.Add({0, " a.kln ", "file1", true, "C:\\a.kln", true});
    answers = {SaveAnswer::Yes};
    Open();
    EXPECT_EQ(host.pathsAtSaveFile, (std::vector<std::string>{"C:\\old\\Old.ksl"}));
    EXPECT_EQ(host.values.solutionName, "Demo");
}

TEST_F(NewProjectSequenceTest, WithoutAnActiveDocumentNothingFollowsTheNewDocument)
{
    host.newDocumentOpens = false;
    Open();
    EXPECT_EQ(host.calls.back(), "NewDocument []");
    EXPECT_EQ(host.Count("SaveSolution " + paths.solution + " [Demo|" + paths.startup + "|]"), 1);
}

TEST_F(NewProjectSequenceTest, WithoutASourceTheDocumentStaysEmpty)
{
    Open(std::nullopt);
    EXPECT_EQ(host.Count("SetEditorText 1"), 0);
    EXPECT_EQ(host.windows.at(0).text, "");
    EXPECT_EQ(CallsFrom("NewDocument []").at(1), "UpdateUI 0");
}

TEST_F(NewProjectSequenceTest, AStartupFileListedAlreadyKeepsTheCounter)
{
    host.fileListed = true;
    Open();
    EXPECT_EQ(host.values.documentCounter, 0);
    EXPECT_EQ(host.Find(1)->key, "file0");
    EXPECT_EQ(host.Count("SetItemTag file0 " + paths.startup), 1);
}

TEST_F(NewProjectSequenceTest, AFailedWriteOfTheSourceLeavesTheLaterStepsToRun)
{
    host.editorSaveWorks = false;
    Open();
    const std::vector<std::string> rest = CallsFrom("SaveEditorText 1 " + paths.startup);
    ASSERT_GE(rest.size(), 3u);
    EXPECT_EQ(rest.at(1), "SetFileName 1 " + paths.startup);
    EXPECT_EQ(rest.back(), "UpdateUI 1");
    EXPECT_EQ(host.Find(1)->caption, " Demo.kln ");
}

}  // namespace
}  // namespace kforge
