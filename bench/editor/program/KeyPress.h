#pragma once
// A key pressed and released as the keyboard does it: through the system's
// input queue to the focused window of the foreground window.

#include <windows.h>

namespace kforge {

// False when the system did not take both events.
bool PressKey(WORD vk);

}  // namespace kforge
