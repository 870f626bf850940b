#pragma once
// The Project Properties test program's commands (see HostWindow for the
// built-in ones). While the dialog shows, its controls are named windows of
// the host by the names Combo2, Combo1, Tree1, Prop, Label5, Label2, Label3,
// OK, Cancel, Help, Text1, Text2 and Command6, and "dialog" itself.
//   load FILE          the stand-in main window's state (StandInHost::Load)
//   show               shows the dialog modally once the command is done;
//                      when it closes prints "closed <code>" and
//                      "values name [..] startup [..] batch [..]"
//   report             the dialog: "caption [..]", "client <w> <h> twips <x> <y>",
//                      "focus <name>", then per control "control <name> <class>
//                      [text] rect <l t r b>" (client pixels), and per combo box
//                      "combo <name> selected <row>" and "choice <name> <row> [text] data <d>"
//   pages              the page tree in display order: "page <n> <depth> [text]
//                      image <i> selected <j> visible <0|1>", "page-selected [text]",
//                      "tree-style <hex>"
//   rows               the property list: "rows <count> current <row>", then per
//                      row "row <i> [name] kind <k> [description] values [a|b]
//                      value [typed]"
//   where-page N       "screen l t r b" of page N's text
//   where-row N        "screen l t r b" of property row N
//   where-choice NAME N  "screen l t r b" of row N of a dropped-down combo box
//   press NAME         the button's click, posted (for buttons out of sight)
//   closebox           the close box's command, posted
// Every message box and file dialog is answered here and printed: "box
// [title] [text] flags <hex>" (answered OK), "open [title] [filter, NULs as
// |] flags <hex>" (answered with the state's "open=").

#include "HostWindow.h"
#include "ProjectPropertiesDialog.h"
#include "StandInHost.h"

namespace kforge {

void AddPropertiesCommands(HostWindow& host, StandInHost& standIn, ProjectPropertiesDialog& dialog);

}  // namespace kforge
