#pragma once
// The explorer test host's commands. The pane is the host's window
// "explorer", with "explorer.treectl" (the Tree), "explorer.tree" (its
// tree view) and "explorer.box" (the path box). In text words "" is the empty text and
// %20 a blank. Commands:
//   explorer L T R B          create the pane in the host window
//   resize W H                give the pane a new size
//   init                      InitializeProject
//   load PATH                 LoadSolution
//   save PATH                 SaveSolution
//   check PATH                prints "check <0|1>"
//   add-file KEY PATH         a saved file's item
//   add-blank KEY             an unsaved document's item
//   remove                    RemoveCurrentFileItem
//   set-value FIELD TEXT      name, startup, batch or counter of the shared values
//   values                    prints "values name=<> startup=<> batch=<> counter=<n>"
//   items                     prints "item <index> <image> <key> <text> <tag>" per item
//   view                      prints "view <depth> <text> image=<i>" per tree-view item
//   item-rect TEXT            prints "screen L T R B" of the first tree-view item with TEXT
//   tree-info                 prints "tree indent=<n> images=<n>"
//   pathbox                   prints "pathbox <text>"
//   caption, strip            print "screen L T R B" of the strip's caption and frame
//   doc KEY PATH              an open document window (it becomes the active one)
//   docs                      prints "doc <id> <key> <fileName> active=<0|1>" per window
// Calls of the explorer into its host print "call <operation> <arguments>";
// the tree's click events print "event itemclick <button> <text>|<key>|<index>"
// and "event itemdblclick <text>|<key>|<index>" before the pane handles them.

#include "HostWindow.h"

namespace kforge {

void AddExplorerCommands(HostWindow& host);

}  // namespace kforge
