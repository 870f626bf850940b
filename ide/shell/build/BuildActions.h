#pragma once
// The build commands of the IDE: Build, Build All, Execute and Clean run
// on the main window's active document and open solution, with the tools'
// output in the Output pane.

#include "BuildCommands.h"

namespace kforge {

class MainWindow;

// One of the build commands of BuildCommands.h: BuildBuild, BuildAll,
// BuildExecute, BuildClean.
using BuildCommand = BuildOutcome (*)(const BuildContext& context, BuildEnvironment& env);

// Runs a build command on the main window's state as it is now.
BuildOutcome RunBuildCommand(MainWindow& main, BuildCommand command);

}  // namespace kforge
