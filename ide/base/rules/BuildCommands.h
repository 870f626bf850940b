// The four build commands (Build, Build All, Execute, Clean) as sequences of
// steps over a BuildEnvironment: the main window supplies the files, the
// tools, the documents and the messages, so the sequences are the same
// under test and in the IDE.
#pragma once

#include <string>
#include <vector>

namespace kforge {

// What the build commands ask of the IDE and the machine. Every operation
// fails silently: a failed delete, copy or folder change is skipped.
class BuildEnvironment {
public:
    virtual ~BuildEnvironment() = default;

    // A value of the IDE's "Settings" key; empty when missing.
    virtual std::string Setting(const std::string& name) = 0;

    virtual void RemoveFile(const std::string& path) = 0;
    // Deletes the files of folder that match pattern ("*.kln").
    virtual void RemoveMatching(const std::string& folder, const std::string& pattern) = 0;
    virtual void CreateFolder(const std::string& path) = 0;
    // Copies a file, replacing one of that name. (The names avoid the
    // Win32 macros DeleteFile and CopyFile.)
    virtual void CopyOver(const std::string& from, const std::string& to) = 0;
    virtual void SetCurrentFolder(const std::string& path) = 0;
    virtual std::string CurrentFolder() = 0;
    // The whole file; empty when it is missing or unreadable.
    virtual std::string ReadTextFile(const std::string& path) = 0;
    // True for a file that is neither a folder nor hidden nor a system file.
    virtual bool IsNormalFile(const std::string& path) = 0;

    // Empties the Output pane.
    virtual void ClearOutput() = 0;
    // Runs one tool step (the template with the file's placeholders filled
    // in) with its output in the Output pane: its exit code, -1 when nothing
    // started (kNotStarted).
    virtual int RunToolCommand(const std::string& commandTemplate, const std::string& file) = 0;
    // Runs a command line as it stands, its output in the Output pane.
    virtual int ExecCmd(const std::string& command) = 0;

    // Writes the text of the open editor document holding path into the
    // solution's Release folder; false when no editor document holds it.
    virtual bool SaveBuildFile(const std::string& path) = 0;
    // Writes the active document's text to path.
    virtual void SaveActiveDocumentAs(const std::string& path) = 0;
    // When the active document has changes not yet saved, saves it under its
    // name as the "FileSave" command does; false when they are still unsaved.
    virtual bool SaveActiveDocumentChanges() = 0;

    virtual void ShowMessage(const std::string& text, const std::string& title, unsigned flags) = 0;
    // Starts the program at path in a normal window and does not wait for it.
    virtual void StartProgram(const std::string& path) = 0;
};

// The exit code of a tool that could not be started.
constexpr int kNotStarted = -1;

// What the commands read of the IDE's state when they start.
struct BuildContext {
    std::string appFolder;     // the IDE's folder
    std::string solutionPath;  // empty when no solution is open
    std::string startup;       // the solution's start-up file, full path or empty
    std::string buildBatch;
    std::string activeFileName;             // the active document's file, empty when never saved
    std::string configuration;              // the "BuildPage" text
    std::vector<std::string> projectFiles;  // the paths of the Project Explorer's file items, in order
};

// Whether the command ran to its end, so the dispatcher refreshes the
// command state, or ended early (a configuration it does not know, an error
// file reporting errors, a failed tool).
enum class BuildOutcome { Completed, EndedEarly };

BuildOutcome BuildBuild(const BuildContext& context, BuildEnvironment& env);
BuildOutcome BuildAll(const BuildContext& context, BuildEnvironment& env);
BuildOutcome BuildExecute(const BuildContext& context, BuildEnvironment& env);
BuildOutcome BuildClean(const BuildContext& context, BuildEnvironment& env);

// The message of a build whose error file reports errors: its text, the
// title "Build" and the stop icon.
extern const char* const kCompilerErrorsMessage;
extern const char* const kLinkerErrorsMessage;
extern const char* const kBuildMessageTitle;
constexpr unsigned kBuildMessageFlags = 0x10;  // MB_OK | MB_ICONHAND

}  // namespace kforge
