#pragma once
// The test host's commands for the flat control look and for the standard
// controls it decorates. Controls go on the host window or on a named box.
//   edit NAME L T R B [PARENT]   an EDIT with a sunken edge
//   combo NAME L T R B [PARENT]  a drop-down COMBOBOX with three items
//   panel NAME L T R B [PARENT]  a STATIC panel with a sunken edge
//   box NAME L T R B COLOUR      a window filled with COLOUR (0xBBGGRR) that
//                                does not clip its children
//   flat FLAT NAME|-             attaches FlatCtl FLAT to NAME ("-": a null
//                                window), prints "attached <0|1>", repaints
//   unflat FLAT                  releases FLAT
//   flatstate FLAT               prints "flat mouseover <0|1> dropped <0|1>"
//   enable NAME 0|1              EnableWindow, then repaints
//   focus NAME                   SetFocus
//   syscolor N                   prints "color <GetSysColor(N)>"
//   metric N                     prints "metric <GetSystemMetrics(N)>"
//   client NAME                  prints the client area on the screen,
//                                "client L T R B"

#include "HostWindow.h"

namespace kforge {

void AddFlatCommands(HostWindow& host);

}  // namespace kforge
