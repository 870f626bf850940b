#pragma once
// The shell test host's commands for the Output pane, the command runner
// and the window helpers. Named windows are the host's (see HostWindow);
// "pane" creates the Output pane as "pane" with its controls "selector" and
// "text". Commands:
//   pane L T R B              create the Output pane in the host window
//   place NAME L T R B        move a window (parent's client pixels)
//   exec COMMAND...           ExecCmd into the pane's box; prints "exit <code>"
//   exec-nobox COMMAND...     ExecCmd without a box; prints "exit <code>"
//   tool TEMPLATE... FILE     RunToolCommand (the last word is the file);
//                             prints "exit <code>"
//   savetext FILE             writes the box's text to FILE, bytes unchanged
//   settext WORDS...          the pane's SetText
//   view                      prints "view [<selected view text>]"
//   choose INDEX              selects a view as a user's choice does
//   focus NAME                SetFocus
//   cd FOLDER                 the current folder
//   font                      prints "font <face> <fixed|variable>" of the box
//   twips                     prints "twips <per pixel x> <per pixel y>"
//   popup NAME L T R B OWNER  a top-level window owned by the window OWNER
//   screen                    prints "screen <width> <height>"
//   center NAME DIVISOR       CenterForm
//   seticon NAME ICON ALSO    SetFormIcon (ALSO 0 or 1)
//   icons NAME                prints "icons <big> <small>", the window's icon handles
//   loadicon ICON             prints "loadicon <big> <small>", the shared images
//   rundialog                 prints "rundialog <0|1>": the Run dialog's entry found

#include "HostWindow.h"

namespace kforge {

void AddRunnerCommands(HostWindow& host);

}  // namespace kforge
