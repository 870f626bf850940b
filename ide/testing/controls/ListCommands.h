#pragma once
// The test host's commands for the List control. A list named L is the
// host's window L, its list box L.list, its edit frame L.frame and its edit
// box L.edit. A word "" stands for the empty text.
//   list L L T R B                   place a list control
//   list-add L TEXT [INDEX]   list-remove L INDEX   list-clear L
//   list-setitem L INDEX TEXT        List(INDEX) = TEXT
//   list-setdata L INDEX VALUE       ItemData(INDEX) = VALUE
//   list-redraw L                    repaints the list box now
//   list-edit L   list-down L   list-up L           DoEdit, ItemDown, ItemUp
//   list-set L PROP VALUE            ListIndex ListImage Text MousePointer ItemHeight
//                                    AutoEdit ItemOffset Font Sorted
//   list-get L PROP                  prints "<PROP> <value>"; also ListCount, and Font
//                                    (the list font's face name)
//   list-items L                     prints "item <i> <text> data=<d>" per item
//   list-itemrect L INDEX            prints "screen L T R B" of the item
//   list-editstate L                 prints "edit <shown 0|1> <text> focus=<edit|list|other>"
//                                    and "frame L T R B" (screen)
//   list-focus NAME                  gives the focus to a named window
//   list-cancel L before|after 0|1   the BeforeEdit or AfterEdit handler cancels
//   list-rewrite L before|after TEXT the handler replaces the text ("-" stops it)
//   list-paint L INDEX BACK FORE TEXT  ItemInfoCallback gives item INDEX these
//                                    colours and text ("-" for INDEX stops it)
//   list-eatkey L KEY                the KeyDown handler turns key KEY into 0
//   list-info L 0|1                  print the drawing callbacks
// Events print "L click", "L dblclick", "L moveitem", "L scroll",
// "L beforeedit <text>", "L afteredit <text> shown=<the selected item's text>",
// "L keydown <code> <shift>", "L keypress <code>", "L keyup <code> <shift>",
// "L info <index> <state>" (per drawing, after list-info L 1).

#include "HostWindow.h"

namespace kforge {

void AddListCommands(HostWindow& host);

}  // namespace kforge
