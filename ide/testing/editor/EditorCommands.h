#pragma once
// The editor test host's commands: one EditorDoc in the host window, with a
// stand-in for the main window that prints what the document asks of it
// ("updateui <0|1>", "status <text>", "popup Edit"). Texts in arguments and
// results are escaped: \r, \n, \t, \\, \s (a blank) and \xHH.
//   doc L T R B            create the document (windows doc, editor, engine, proclist)
//   load PATH | save PATH  LoadFile | SaveFile (prints "saved <0|1>")
//   settext TEXT | text    SetText | prints "text <TEXT>"
//   names                  prints "file <FileName>", "module <ModuleName>", "label <caption>"
//   setname PATH           SetFileName
//   state                  prints "changed u r c x p d" (0/1 each)
//   setchanged 0|1         SetDocChanged
//   sel | setsel SL SC EL EC   prints "sel SL SC EL EC anchor-first" | SetSel
//   cmd N [ARG]            ExecuteCmd
//   line N | word          prints "line <TEXT>" | "word <TEXT>"
//   position               prints "position <CurrentPosition>" and "curline <CurrentLine>"
//   styles LINE            prints "styles <style of each byte>"
//   settings               prints "settings tab <n> case <0|1> indent <n> lang <name>"
//   color SLOT             prints "color <slot> <value>"
//   procs                  prints "procs <selected> <object list entries>|<entry:data>..."
//   tip                    prints "tip <shown> <argument> <TEXT>"
//   list                   prints "list <open> <selected> <count>"
//   focus NAME             SetFocus
//   hittest X Y            prints "hit <n>"
//   print null|memory      PrintContents; prints "printed <0|1> <non-white pixels>"

#include "HostWindow.h"

namespace kforge {

void AddEditorCommands(HostWindow& host);

}  // namespace kforge
