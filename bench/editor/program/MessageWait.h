#pragma once
// Running this thread's messages until the windows are idle: every queued
// message dispatched and every pending paint done. That moment is where a
// benchmark stops its clock.

#include <windows.h>

#include <functional>

namespace kforge {

// Dispatches messages (keys translated to characters) until the queue is
// empty, nothing is left to paint and done() holds, then flushes GDI's
// batch. False when that takes longer than timeoutMs or WM_QUIT arrives (it
// is posted again).
bool RunUntilIdle(const std::function<bool()>& done, DWORD timeoutMs);

// The same without a condition of its own.
bool RunUntilIdle(DWORD timeoutMs);

}  // namespace kforge
