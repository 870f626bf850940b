#pragma once
// The test host's commands for the subclassing core. Named subclassers
// (each a Subclasser with a logging owner) sit on the host's named windows
// and print every message routed to them:
//   "before <sub> <msg> <wParam> <lParam>", "after <sub> <msg> <ret>".
// Commands:
//   subclass SUB NAME        Subclass; prints "subclassed <0|1>"
//   unsubclass SUB           UnSubclass
//   addmsg SUB MSG WHEN      AddMsg (MSG -1 = all; WHEN 1 = before)
//   delmsg SUB MSG WHEN      DelMsg
//   handle SUB MSG RET       SUB's SubclassBefore takes MSG over with RET
//   tables SUB               prints "before <count> <entries...>" and the same for after

#include "HostWindow.h"

namespace kforge {

void AddSubclassCommands(HostWindow& host);

}  // namespace kforge
