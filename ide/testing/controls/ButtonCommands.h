#pragma once
// The test host's commands for ButtonXP and its saved properties. A button's
// events print "event NAME mousedown CX CY", "event NAME mouseup CX CY",
// "event NAME click" and "event NAME menuclick".
//   button NAME L T R B [STYLE [PARENT]]  a ButtonXP (style 1 unless given)
//   bset NAME PROPERTY VALUE...  sets a property by its name; Caption takes
//                                the rest of the line, ButtonIcon one of
//                                none, folder, icon, bitmap (the test
//                                picture as an icon or as a bitmap)
//   bget NAME PROPERTY           prints "value <v>": numbers in decimal,
//                                booleans 0/1, the icon "picture <w> <h>"
//                                or "picture none"
//   bredraw NAME STATE           Redraw(STATE)
//   bdrop NAME                   ends the button object and its window
//   bsave NAME BAG               WriteProperties into a new, empty bag BAG
//   bload NAME BAG               ReadProperties from BAG
//   bagnew BAG                   an empty bag
//   bagput BAG KEY KIND VALUE    writes int, bool (0/1) or text VALUE
//   bagget BAG KEY               prints "bag KEY missing" or "bag KEY <kind> <value>"
//                                (kind int, bool, text, or bytes with its size)
//   bagsame BAG1 BAG2            prints "same <0|1>": equal encodings
//
// The test picture, 16 x 16: a red square from (2, 2) to (7, 7), a white
// line from (2, 12) to (7, 12), a blue pixel at (15, 15); everything else
// is transparent in the icon and green (0x00FF00) in the bitmap.

#include "HostWindow.h"

namespace kforge {

void AddButtonCommands(HostWindow& host);

}  // namespace kforge
