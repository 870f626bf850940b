#pragma once
// The IDE's program: OLE and the common controls, the main window started
// with the command line, and the message loop with the main window's
// shortcut keys.

#include <functional>
#include <memory>
#include <string>

#include "Window.h"

namespace kforge {

class MainWindow;

// A window that a build of the program keeps beside the main window: made
// before the main window starts, ended before it. Null for none.
using CompanionWindow = std::function<std::unique_ptr<Window>(MainWindow&)>;

// Runs the IDE until its main window ends; gives the exit status.
int RunIde(const std::string& commandLine, const CompanionWindow& companion = nullptr);

}  // namespace kforge
