#pragma once
// Running a tool as a hidden process and showing what it prints.

#include <windows.h>

#include <string>

#include "BuildCommands.h"  // kNotStarted, ExecCmd's result when no process was started

namespace kforge {

class OutputPane;

// Starts command (a full command line) hidden, in the current folder, with
// its standard output on a pipe, no input and a null error handle. Reads the
// pipe in chunks of at most 256 bytes until it closes; with a box, the box
// is emptied at the first read and shows everything read so far (lines
// ended CR LF) whenever the pipe has nothing more waiting, and at least each
// time a burst still arriving has doubled the text. Then gives the process's
// exit code, kNotStarted when it did not start or the pipe could not be
// made. A process that keeps running after it closed its output is waited
// for a few seconds only; its code then reads STILL_ACTIVE. No window
// messages run meanwhile.
int ExecCmd(const std::string& command, HWND box);

// One tool step: fills the placeholders of commandTemplate with file's
// names (see SubstituteCommand), switches the pane to its tool output and
// runs the command into the pane's box. An empty command shows the
// "Build ..." message box (owned by owner) instead and gives kNotStarted.
int RunToolCommand(OutputPane& pane, HWND owner, const std::string& commandTemplate, const std::string& file);

}  // namespace kforge
