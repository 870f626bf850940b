#pragma once
// The subclassing core: routes the messages of one window to its owner (an
// ISubclass) before and after the window's previous procedure, as its two
// message tables say. Built on comctl32's SetWindowSubclass, so several
// subclassers can sit on one window, be removed in any order and be
// re-entered by sends from their handlers.
//
// Routing of a message: both table hits are decided first (handlers may
// change the tables or unsubclass). On a before hit SubclassBefore runs with
// handled = false and ret = 0; if it set handled, ret is the result.
// Otherwise ret is the previous procedure's result, and on an after hit
// SubclassAfter sees and may change it.
//
// Held by value in its owner; not copyable, since comctl32 holds its
// address. A destroyed window detaches it; so do UnSubclass and the
// destructor.

#include <windows.h>

#include "ISubclass.h"
#include "MessageTable.h"

namespace kforge {

class Subclasser {
public:
    // The `when` of AddMsg and DelMsg that selects the before table; any
    // other value selects the after table.
    static constexpr int kBefore = 1;
    static constexpr int kAfter = 0;

    Subclasser() = default;
    Subclasser(const Subclasser&) = delete;
    Subclasser& operator=(const Subclasser&) = delete;
    ~Subclasser();

    // Routes hwnd's messages to owner, after leaving a window subclassed
    // before; false (and unattached) for a null or foreign window or owner.
    bool Subclass(HWND hwnd, ISubclass* owner);
    // Stops routing and empties both tables; nothing when unattached.
    void UnSubclass();
    // msg (UINT)-1 means all messages.
    void AddMsg(UINT msg, int when);
    void DelMsg(UINT msg, int when);
    // The previous procedure's result for a message, valid while a message of
    // the window is being dispatched; 0 otherwise or when unattached.
    LRESULT CallOrigWndProc(UINT msg, WPARAM wParam, LPARAM lParam);

    HWND SubclassedWindow() const { return hwnd_; }
    const MessageTable& BeforeTable() const { return before_; }
    const MessageTable& AfterTable() const { return after_; }

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR refData);
    LRESULT Route(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    MessageTable& TableOf(int when) { return when == kBefore ? before_ : after_; }

    MessageTable before_;
    MessageTable after_;
    HWND hwnd_ = nullptr;
    ISubclass* owner_ = nullptr;
    int dispatchDepth_ = 0;  // messages of hwnd_ being routed right now
};

}  // namespace kforge
