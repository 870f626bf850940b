#pragma once
// Where the IDE's dialogs appear on the screen.

#include <windows.h>

namespace kforge {

// Centres a top-level window across the screen and puts its top edge at the
// free height (screen height - window height) divided by divisor: the IDE's
// dialogs pass 3, a third of the way down. A divisor below 1 leaves the
// window where it is (false).
bool PlaceOnScreen(HWND window, int divisor);
// PlaceOnScreen, then lets pending window messages run.
void CenterForm(HWND window, int divisor);

}  // namespace kforge
