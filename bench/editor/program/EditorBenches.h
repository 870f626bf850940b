#pragma once
// The editor's two benchmarks. Each measures the editor document and, as
// the reference in the same run, a plain multi-line EDIT control, and gives
// back its line of figures. A run that cannot measure (a file that does not
// open, a paint or keystroke that does not end in time, a screen that is
// not what the file should show) throws std::runtime_error.

#include <string>

#include "BenchFrame.h"

namespace kforge {

// Opening the file in a new window, to the end of its first paint, `runs`
// times in each, alternately.
std::string RunOpenBench(BenchFrame& frame, const std::string& path, int runs);

// A character typed at the end of the 0-based `line` with a real key press,
// to the end of the paint that shows it, `keys` times in each window,
// alternately. Each is taken back with Backspace (not timed), so every
// keystroke meets the same line.
std::string RunKeyBench(BenchFrame& frame, const std::string& path, int line, int keys);

}  // namespace kforge
