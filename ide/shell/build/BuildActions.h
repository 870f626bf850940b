#pragma once
// The build commands of the IDE: Build, Build All, Execute and Clean run
// on the main window's active document and open solution, with the tools'
// output in the Output pane.

#include <string>

#include "BuildCommands.h"

namespace kforge {

class MainWindow;

// True for "BuildBuild", "BuildAll", "BuildExecute" and "BuildClean".
bool IsBuildCommand(const std::string& key);
// Runs the build command of that key.
BuildOutcome RunBuildCommand(MainWindow& main, const std::string& key);

}  // namespace kforge
