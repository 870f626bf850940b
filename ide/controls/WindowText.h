#pragma once

#include <windows.h>

#include <string>

namespace kforge {

// The whole text of a window or control (GetWindowTextA); "" for none.
std::string WindowText(HWND hwnd);

}  // namespace kforge
