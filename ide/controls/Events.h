#pragma once
// Raising a control's event: its std::function member is called only when
// set, and through a copy, so that a handler that replaces or clears the
// member does not end its own call. By-reference arguments stay references.

#include <utility>

namespace kforge {

template<typename Handler, typename... Args> void RaiseEvent(const Handler& handler, Args&&... args)
{
    if (!handler) { return; }
    Handler copy = handler;
    copy(std::forward<Args>(args)...);
}

}  // namespace kforge
