#include "BuildActions.h"

#include "AppPath.h"
#include "IDocument.h"
#include "MainWindow.h"
#include "ShellBuildEnvironment.h"

namespace kforge {

namespace {

using BuildCommand = BuildOutcome (*)(const BuildContext&, BuildEnvironment&);

struct KeyedCommand {
    const char* key;
    BuildCommand run;
};

const KeyedCommand kBuildCommands[] = {{"BuildBuild", BuildBuild},
                                       {"BuildAll", BuildAll},
                                       {"BuildExecute", BuildExecute},
                                       {"BuildClean", BuildClean}};

BuildCommand CommandOf(const std::string& key)
{
    for (const KeyedCommand& command : kBuildCommands)
        if (key == command.key) { return command.run; }
    return nullptr;
}

IDocument* ActiveDocument(MainWindow& main)
{
    const auto active = main.Dock().ActiveWindow();
    return active ? active->Form() : nullptr;
}

// What the build reads of the main window when the command starts.
BuildContext ContextOf(MainWindow& main, IDocument* active)
{
    BuildContext context;
    const ShellValues& values = main.Values();
    context.appFolder = AppPath();
    context.solutionPath = values.solutionPath;
    context.startup = values.solutionStartup;
    context.buildBatch = values.solutionBuildBatch;
    context.activeFileName = active ? active->FileName() : std::string();
    if (Tool* page = main.Dock().Tools("BuildPage")) { context.configuration = page->Text(); }
    context.projectFiles = main.ProjectFilePaths();
    return context;
}

}  // namespace

bool IsBuildCommand(const std::string& key) { return CommandOf(key) != nullptr; }

BuildOutcome RunBuildCommand(MainWindow& main, const std::string& key)
{
    const BuildCommand command = CommandOf(key);
    if (!command) { return BuildOutcome::Completed; }
    IDocument* active = ActiveDocument(main);
    ShellBuildEnvironment environment(main, active);
    return command(ContextOf(main, active), environment);
}

}  // namespace kforge
