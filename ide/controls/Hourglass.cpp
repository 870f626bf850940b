#include "Hourglass.h"

namespace kforge {

Hourglass::Hourglass() : previous_(SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)))) {}

Hourglass::~Hourglass() { SetCursor(previous_); }

}  // namespace kforge
