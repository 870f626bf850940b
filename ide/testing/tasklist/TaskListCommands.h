#pragma once
// The Task List test host's commands. The pane reads the solution path from
// the host's shared values. Named windows (see HostWindow) after "pane":
// "pane", "strip", "title", "list" (the ListCtl), "list.box" (its list box),
// "edit" (its edit box) and the buttons by caption without blanks
// ("AddTask", "EditTask", "RemoveTask", "MoveUp", "MoveDown"). Texts in
// results stand in brackets, so their blanks show. Commands:
//   pane L T R B           create the pane in the host window (it loads)
//   close                  end the pane (its unload)
//   solution BLANKS TEXT   the solution path: TEXT ("" for none) with BLANKS
//                          spaces before and after it
//   load, save             LoadTasks, SaveTasks
//   items                  "count <n>", "item <i> [<text>]"..., "selected <i>"
//   select I               the list's ListIndex
//   editing                "editing <0|1> [<edit box text>] focus=<edit|list|other>"
//   focus NAME             SetFocus
//   resize W H             the pane's size in pixels
//   layout                 "client W H", then "<part> L T R B" in the pane's
//                          client pixels for strip, title and list
//   look                   the list's "ItemHeight", "Font", "ListImage", the
//                          "title [<text>]" and "button <i> [<caption>]"...

#include "HostWindow.h"
#include "ShellValues.h"

namespace kforge {

void AddTaskListCommands(HostWindow& host, ShellValues& values);

}  // namespace kforge
