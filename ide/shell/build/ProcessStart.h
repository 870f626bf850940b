#pragma once
// Starting a program by its command line without waiting for it.

#include <windows.h>

#include <string>

namespace kforge {

// Starts the command line with the window shown as showCommand
// (SW_SHOWNORMAL, SW_SHOWMINIMIZED): the new process's id, 0 when nothing
// started.
DWORD StartProcess(const std::string& commandLine, WORD showCommand);

}  // namespace kforge
