#include "BuildCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace kforge {
namespace {

using Log = std::vector<std::string>;

// Records every request of the build commands as one line, and answers from
// the settings, files and exit codes a test gives it.
class FakeEnvironment : public BuildEnvironment {
public:
    std::map<std::string, std::string> settings;
    std::set<std::string> normalFiles;
    std::map<std::string, std::string> fileTexts;
    std::set<std::string> openDocuments;   // files that SaveBuildFile finds open
    std::map<std::string, int> exitCodes;  // by command template; 0 when not given
    bool activeDocumentChanged = false;    // the active document has unsaved changes
    bool saveWorks = true;                 // saving them succeeds
    Log log;

    std::string Setting(const std::string& name) override
    {
        auto found = settings.find(name);
        return found == settings.end() ? "" : found->second;
    }
    void RemoveFile(const std::string& path) override { log.push_back("delete " + path); }
    void RemoveMatching(const std::string& folder, const std::string& pattern) override
    {
        log.push_back("delete " + folder + " " + pattern);
    }
    void CreateFolder(const std::string& path) override { log.push_back("mkdir " + path); }
    void CopyOver(const std::string& from, const std::string& to) override
    {
        log.push_back("copy " + from + " " + to);
    }
    void SetCurrentFolder(const std::string& path) override
    {
        current_ = path;
        log.push_back("cd " + path);
    }
    std::string CurrentFolder() override { return current_; }
    std::string ReadTextFile(const std::string& path) override
    {
        auto found = fileTexts.find(path);
        return found == fileTexts.end() ? "" : found->second;
    }
    bool IsNormalFile(const std::string& path) override { return normalFiles.count(path) > 0; }
    void ClearOutput() override { log.push_back("clear"); }
    int RunToolCommand(const std::string& commandTemplate, const std::string& file) override
    {
        log.push_back("tool [" + commandTemplate + "] " + file);
        return ExitCode(commandTemplate);
    }
    int ExecCmd(const std::string& command) override
    {
        log.push_back("exec [" + command + "]");
        return ExitCode(command);
    }
    bool SaveBuildFile(const std::string& path) override
    {
        bool open = openDocuments.count(path) > 0;
        if (open) log.push_back("save build file " + path);
        return open;
    }
    void SaveActiveDocumentAs(const std::string& path) override { log.push_back("save document " + path); }
    bool SaveActiveDocumentChanges() override
    {
        if (!activeDocumentChanged) return true;
        log.push_back("save active document");
        activeDocumentChanged = !saveWorks;
        return saveWorks;
    }
    void ShowMessage(const std::string& text, const std::string& title, unsigned flags) override
    {
        log.push_back("message " + title + " " + std::to_string(flags) + " [" + text + "]");
    }
    void StartProgram(const std::string& path) override { log.push_back("start " + path); }

    // The log lines that begin with prefix.
    Log Lines(const std::string& prefix) const
    {
        Log lines;
        for (const std::string& line : log)
            if (line.rfind(prefix, 0) == 0) lines.push_back(line);
        return lines;
    }

private:
    int ExitCode(const std::string& command) const
    {
        auto found = exitCodes.find(command);
        return found == exitCodes.end() ? 0 : found->second;
    }
    std::string current_;
};

BuildContext Context()
{
    BuildContext context;
    context.appFolder = "C:\\Kiln";
    context.configuration = "Win32 Release";
    return context;
}

void UseCompilerAndLinker(FakeEnvironment& env)
{
    env.settings = {{"UseCompiler", "True"},      {"CompilerPath", "KLN"},    {"Param0", "-r %FILE%"},
                    {"Param1", "-d %FILE%"},      {"UseLinker", "true"},      {"LinkerPath", "Link.EXE"},
                    {"LinkParam0", "%FILE%.obj"}, {"LinkParam1", "-v %FILE%"}};
}

TEST(BuildBuild, AnUnnamedDocumentIsBuiltAsTheScratchFileInTheIdesFolder)
{
    FakeEnvironment env;
    UseCompilerAndLinker(env);
    EXPECT_EQ(BuildBuild(Context(), env), BuildOutcome::Completed);
    EXPECT_EQ(env.log, (Log{
                           "delete C:\\Kiln\\b31415926.kln",
                           "delete C:\\Kiln\\b31415926.exe",
                           "clear",
                           "save document C:\\Kiln\\b31415926.kln",
                           "cd C:\\Kiln",
                           "delete C:\\Kiln\\bcc32.err",
                           "delete C:\\Kiln\\ilink32.err",
                           "tool [kln -r %FILE%] C:\\Kiln\\b31415926.kln",
                           "tool [link.exe %FILE%.obj] C:\\Kiln\\b31415926.kln",
                           "delete C:\\Kiln\\b31415926.kln",
                           "start C:\\Kiln\\b31415926.exe",
                       }));
}

TEST(BuildBuild, ASolutionIsBuiltInItsReleaseFolderFromOpenTextsAndFilesOnDisk)
{
    FakeEnvironment env;
    UseCompilerAndLinker(env);
    env.openDocuments = {"C:\\p\\Main.kln"};
    BuildContext context = Context();
    context.solutionPath = "C:\\p\\Demo.ksl";
    context.startup = "C:\\p\\Main.kln";
    context.activeFileName = "C:\\elsewhere\\Other.kln";
    context.projectFiles = {"C:\\p\\Main.kln", "C:\\p\\lib\\Util.kln"};
    EXPECT_EQ(BuildBuild(context, env), BuildOutcome::Completed);
    EXPECT_EQ(env.log, (Log{
                           "delete C:\\Kiln\\b31415926.kln",
                           "delete C:\\Kiln\\b31415926.exe",
                           "clear",
                           "cd C:\\p",
                           "mkdir C:\\p\\Release",
                           "save build file C:\\p\\Main.kln",
                           "copy C:\\p\\lib\\Util.kln C:\\p\\Release\\Util.kln",
                           "cd C:\\p\\Release",
                           "delete C:\\p\\Release\\bcc32.err",
                           "delete C:\\p\\Release\\ilink32.err",
                           "tool [kln -r %FILE%] C:\\p\\Release\\Main.kln",
                           "tool [link.exe %FILE%.obj] C:\\p\\Release\\Main.kln",
                           "delete C:\\p\\Release *.kln",
                           "delete C:\\Kiln\\b31415926.kln",
                           "start C:\\p\\Release\\Main.exe",
                       }));
}

TEST(BuildBuild, TheConfigurationChoosesTheParameterSet)
{
    FakeEnvironment env;
    UseCompilerAndLinker(env);
    BuildContext context = Context();
    context.activeFileName = "C:\\w\\Hello.kln";
    context.configuration = " Win32 Debug ";
    BuildBuild(context, env);
    EXPECT_EQ(env.Lines("tool"),
              (Log{"tool [kln -d %FILE%] C:\\w\\Hello.kln", "tool [link.exe -v %FILE%] C:\\w\\Hello.kln"}));
}

TEST(BuildBuild, AnUnknownConfigurationEndsTheCommandBeforeTheFirstConfiguredStep)
{
    for (bool compilerOn : {true, false}) {
        FakeEnvironment env;
        UseCompilerAndLinker(env);
        if (!compilerOn) env.settings["UseCompiler"] = "False";
        BuildContext context = Context();
        context.activeFileName = "C:\\w\\Hello.kln";
        context.configuration = "Win64 Release";
        EXPECT_EQ(BuildBuild(context, env), BuildOutcome::EndedEarly);
        EXPECT_TRUE(env.Lines("tool").empty()) << compilerOn;
        EXPECT_TRUE(env.Lines("start").empty()) << compilerOn;
    }
}

TEST(BuildBuild, StepsRunOnlyWhenSwitchedOnOrWhenAResourceScriptExists)
{
    FakeEnvironment env;
    env.settings = {{"UseCompiler", "True "},  {"UseLinker", "yes"},
                    {"UseProcessor", "TRUE"},  {"ProcPath", "C:\\Tools\\Pre P.exe"},
                    {"ProcParam", "%FULL%"},   {"ResPath", "RC"},
                    {"ResParam0", "-r %FILE%"}};
    env.normalFiles = {"C:\\w\\Hello.rc"};
    BuildContext context = Context();
    context.activeFileName = "C:\\w\\Hello.kln";
    EXPECT_EQ(BuildBuild(context, env), BuildOutcome::Completed);
    EXPECT_EQ(env.Lines("tool"), (Log{"tool [rc -r %FILE%] C:\\w\\Hello.rc",
                                      "tool [\"c:\\tools\\pre p.exe\" %FULL%] C:\\w\\Hello.kln"}));
    EXPECT_EQ(env.Lines("start"), (Log{"start C:\\w\\Hello.exe"}));
}

TEST(BuildBuild, AnErrorFileWithAnErrorLineStopsTheBuildWithItsMessage)
{
    struct Case {
        const char* file;
        std::string text;
        Log messages;
    } cases[] = {
        {"C:\\w\\bcc32.err",
         "Kiln bcc32\r\nError Hello.cpp 3: x\r\n",
         {"message Build 16 [  C++ compiler occurred some errors, see Output from compiler !   ]"}},
        {"C:\\w\\ilink32.err",
         "Kiln ilink32\r\nError ilink32: unresolved external\r\n",
         {"message Build 16 [  C++ linker occurred some errors, see Output from linker !   ]"}},
        {"C:\\w\\bcc32.err", "\r\nError at the very start does not count\r\n", {}},
    };
    for (const Case& c : cases) {
        FakeEnvironment env;
        UseCompilerAndLinker(env);
        env.fileTexts[c.file] = c.text;
        BuildContext context = Context();
        context.activeFileName = "C:\\w\\Hello.kln";
        BuildOutcome outcome = BuildBuild(context, env);
        EXPECT_EQ(env.Lines("message"), c.messages) << c.file;
        EXPECT_EQ(outcome == BuildOutcome::Completed, c.messages.empty()) << c.file;
        EXPECT_EQ(env.Lines("start").size(), c.messages.empty() ? 1u : 0u) << c.file;
    }
}

TEST(BuildBuild, AFailedToolEndsTheToolStepsAndStartsNothing)
{
    FakeEnvironment env;
    UseCompilerAndLinker(env);
    env.exitCodes["kln -r %FILE%"] = 2;
    BuildContext context = Context();
    context.solutionPath = "C:\\p\\Demo.ksl";
    context.startup = "C:\\p\\Main.kln";
    EXPECT_EQ(BuildBuild(context, env), BuildOutcome::EndedEarly);
    EXPECT_EQ(env.Lines("tool"), (Log{"tool [kln -r %FILE%] C:\\p\\Release\\Main.kln"}));
    // The copies are still removed.
    EXPECT_EQ(env.Lines("delete C:\\p\\Release *"), (Log{"delete C:\\p\\Release *.kln"}));
    EXPECT_TRUE(env.Lines("start").empty());
}

TEST(BuildBuild, AToolThatCannotStartLetsTheNextStepRun)
{
    FakeEnvironment env;
    UseCompilerAndLinker(env);
    env.exitCodes["kln -r %FILE%"] = kNotStarted;
    BuildContext context = Context();
    context.activeFileName = "C:\\w\\Hello.kln";
    EXPECT_EQ(BuildBuild(context, env), BuildOutcome::Completed);
    EXPECT_EQ(env.Lines("tool").size(), 2u);
    EXPECT_EQ(env.Lines("start"), (Log{"start C:\\w\\Hello.exe"}));
}

TEST(BuildExecute, StartsTheProgramBesideTheStartupFileNotInRelease)
{
    const std::pair<BuildContext, const char*> cases[] = {
        {[] {
             BuildContext c = Context();
             c.solutionPath = "C:\\p\\Demo.ksl";
             c.startup = " C:\\p\\Main.kln ";
             c.activeFileName = "C:\\w\\Other.kln";
             return c;
         }(),
         "start C:\\p\\Main.exe"},
        {[] {
             BuildContext c = Context();
             c.activeFileName = "C:\\w\\hello.c";
             return c;
         }(),
         "start C:\\w\\hello.exe"},
        {Context(), "start C:\\Kiln\\b31415926.exe"},
    };
    for (const auto& [context, start] : cases) {
        FakeEnvironment env;
        EXPECT_EQ(BuildExecute(context, env), BuildOutcome::Completed);
        EXPECT_EQ(env.log, (Log{"delete C:\\Kiln\\b31415926.kln", start}));
    }
}

// A named document with unsaved changes is saved before Build and Execute
// use its file; when the save fails nothing runs and nothing starts. A
// solution build writes the open texts itself, and an unnamed document goes
// to the scratch file, so neither saves the document.
TEST(BuildBuild, AChangedDocumentIsSavedBeforeItIsBuiltOrRun)
{
    using Command = BuildOutcome (*)(const BuildContext&, BuildEnvironment&);
    BuildContext named = Context();
    named.activeFileName = "C:\\w\\Hello.kln";
    BuildContext solution = named;
    solution.solutionPath = "C:\\p\\Demo.ksl";
    solution.startup = "C:\\p\\Main.kln";
    struct Case {
        const char* what;
        Command command;
        BuildContext context;
        bool saveWorks;
        int saves;
        BuildOutcome outcome;
        int started;
    };
    const Case cases[] = {
        {"Build, saved", BuildBuild, named, true, 1, BuildOutcome::Completed, 1},
        {"Build, save fails", BuildBuild, named, false, 1, BuildOutcome::EndedEarly, 0},
        {"Execute, saved", BuildExecute, named, true, 1, BuildOutcome::Completed, 1},
        {"Execute, save fails", BuildExecute, named, false, 1, BuildOutcome::EndedEarly, 0},
        {"Build, unnamed", BuildBuild, Context(), false, 0, BuildOutcome::Completed, 1},
        {"Build, solution", BuildBuild, solution, false, 0, BuildOutcome::Completed, 1},
        {"Execute, solution", BuildExecute, solution, false, 0, BuildOutcome::Completed, 1},
    };
    for (const Case& c : cases) {
        FakeEnvironment env;
        UseCompilerAndLinker(env);
        env.activeDocumentChanged = true;
        env.saveWorks = c.saveWorks;
        EXPECT_EQ(c.command(c.context, env), c.outcome) << c.what;
        EXPECT_EQ(env.Lines("save active document").size(), static_cast<size_t>(c.saves)) << c.what;
        EXPECT_EQ(env.Lines("start").size(), static_cast<size_t>(c.started)) << c.what;
        if (c.saves == 1 && c.command == BuildBuild) {
            const Log tools = env.Lines("tool");
            EXPECT_EQ(tools.size(), c.saveWorks ? 2u : 0u) << c.what;
            if (!tools.empty()) {
                auto saved = std::find(env.log.begin(), env.log.end(), "save active document");
                auto firstTool = std::find(env.log.begin(), env.log.end(), tools.front());
                EXPECT_LT(saved, firstTool) << c.what << ": saved before the tools ran";
            }
        }
    }
}

TEST(BuildAll, RunsTheBatchInItsFolderThenStartsTheProgram)
{
    FakeEnvironment env;
    BuildContext context = Context();
    context.buildBatch = " C:\\My Projects\\build all.bat ";
    context.activeFileName = "C:\\w\\Hello.kln";
    EXPECT_EQ(BuildAll(context, env), BuildOutcome::Completed);
    EXPECT_EQ(env.log, (Log{
                           "clear",
                           "cd C:\\My Projects",
                           "exec [\"C:\\My Projects\\build all.bat\"]",
                           "delete C:\\Kiln\\b31415926.kln",
                           "delete C:\\Kiln\\b31415926.exe",
                           "delete C:\\Kiln\\b31415926.kln",
                           "start C:\\w\\Hello.exe",
                       }));
}

TEST(BuildAll, WithoutABatchTheDocumentsMakeBatRunsAndWithoutADocumentNothing)
{
    FakeEnvironment env;
    BuildContext context = Context();
    context.activeFileName = "C:\\w\\Hello.kln";
    BuildAll(context, env);
    EXPECT_EQ(env.Lines("exec"), (Log{"exec [C:\\w\\make.bat]"}));

    FakeEnvironment none;
    BuildAll(Context(), none);
    EXPECT_TRUE(none.Lines("exec").empty());
    EXPECT_TRUE(none.Lines("cd").empty());
}

TEST(BuildAll, AFailedBatchEndsTheCommandBeforeTheProgramStarts)
{
    FakeEnvironment env;
    env.exitCodes["C:\\w\\make.bat"] = 1;
    BuildContext context = Context();
    context.activeFileName = "C:\\w\\Hello.kln";
    EXPECT_EQ(BuildAll(context, env), BuildOutcome::EndedEarly);
    EXPECT_TRUE(env.Lines("start").empty());
}

TEST(BuildClean, DeletesTheSolutionsModulesAndLibrariesOnlyWhenItsFileExists)
{
    FakeEnvironment env;
    env.normalFiles = {"C:\\p\\Demo.ksl"};
    BuildContext context = Context();
    context.solutionPath = "C:\\p\\Demo.ksl";
    BuildClean(context, env);
    EXPECT_EQ(env.log, (Log{"delete C:\\p *.kmd", "delete C:\\p *.lib", "delete C:\\Kiln\\b31415926.exe"}));

    for (const char* solution : {"", "C:\\p\\Missing.ksl"}) {
        FakeEnvironment nothing;
        context.solutionPath = solution;
        BuildClean(context, nothing);
        EXPECT_TRUE(nothing.log.empty()) << solution;
    }
}

}  // namespace
}  // namespace kforge
