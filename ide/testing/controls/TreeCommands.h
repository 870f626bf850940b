#pragma once
// The test host's commands for the Tree control. A tree named T is the
// host's window T, its white host T.host and its tree view T.tree. A word
// "" stands for the empty text. REF is a store position (a number) or a
// key; REL (tree-add) is 0 (the root level), root or caret (the tree
// view's first or selected item, by handle) or a key.
//   tree T L T R B                 place a Tree
//   tree-add T REL RELATION KEY TEXT [IMAGE [SELIMAGE]]
//   tree-delete T REF   tree-rename T REF TEXT   tree-clear T   tree-select T REF
//   tree-settag T REF VALUE        tree-gettag T REF      prints "tag <value>"
//   tree-setnode T REF INDEX IMAGE KEY TEXT TAG
//   tree-getnode T REF             prints "node <index> <image> <key> <text> <tag>"
//   tree-expand T POS FLAGS
//   tree-set T PROP VALUE          SingleSel Lines Border Indent ItemTag ItemText Selection
//   tree-get T PROP                prints "<PROP> <value>"; also ItemCount ItemKey
//                                  ItemIndex Style (the tree window's style, hex)
//   tree-view T                    prints "view <depth> <text> image=<i> selected=<i>
//                                  expanded=<0|1> caret=<0|1>" per tree-view item
//   tree-rect T TEXT               prints "screen L T R B" of the first item with TEXT
//   tree-loadlist T resource|file  LoadList of the TREE strip, from the program or a
//                                  file; sets hImageList; prints "imagelist <images>"
//   tree-props T                   prints "props Border=<v|-> Indent=<v|->" (saved)
//   tree-readprops T BORDER INDENT reads a bag holding these values (- = absent)
//   tree-onclick T none|delete     what an ItemClick handler does to the clicked item
// Events print "T itemclick <button> <text>|<key>|<index>", "T itemdblclick ...",
// "T beforesel ...", "T aftersel ...", "T click <x> <y>", "T dblclick <x> <y>".

#include "HostWindow.h"

namespace kforge {

void AddTreeCommands(HostWindow& host);

}  // namespace kforge
