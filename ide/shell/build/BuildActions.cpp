#include "BuildActions.h"

#include "AppPath.h"
#include "DockKeys.h"
#include "IDocument.h"
#include "MainWindow.h"
#include "ShellBuildEnvironment.h"

namespace kforge {

namespace {

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
    if (Tool* page = main.Dock().Tools(keys::kBuildPage)) { context.configuration = page->Text(); }
    context.projectFiles = main.ProjectFilePaths();
    return context;
}

}  // namespace

BuildOutcome RunBuildCommand(MainWindow& main, BuildCommand command)
{
    IDocument* active = ActiveDocument(main);
    ShellBuildEnvironment environment(main, active);
    return command(ContextOf(main, active), environment);
}

}  // namespace kforge
