#pragma once
// The receiver of a subclassed window's messages (see Subclasser).

#include <windows.h>

namespace kforge {

struct ISubclass {
    // For a message of the before table, ahead of the window's previous
    // procedure. handled starts false and ret 0; a handler that sets
    // handled takes the message over and ret becomes its result.
    virtual void SubclassBefore(bool& handled, LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam,
                                LPARAM lParam) = 0;
    // For a message of the after table, once the previous procedure gave
    // ret; ret is what the message returns.
    virtual void SubclassAfter(LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~ISubclass() = default;
};

}  // namespace kforge
