#include "Subclasser.h"

#include <commctrl.h>

#include "Boundary.h"

namespace kforge {

Subclasser::~Subclasser() { UnSubclass(); }

bool Subclasser::Subclass(HWND hwnd, ISubclass* owner)
{
    UnSubclass();
    if (!hwnd || !owner || !IsWindow(hwnd)) { return false; }
    if (!SetWindowSubclass(hwnd, SubclassProc, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    hwnd_ = hwnd;
    owner_ = owner;
    return true;
}

void Subclasser::UnSubclass()
{
    if (!hwnd_) { return; }
    RemoveWindowSubclass(hwnd_, SubclassProc, reinterpret_cast<UINT_PTR>(this));
    hwnd_ = nullptr;
    owner_ = nullptr;
    before_.Clear();
    after_.Clear();
}

void Subclasser::AddMsg(UINT msg, int when) { TableOf(when).Add(msg); }

void Subclasser::DelMsg(UINT msg, int when) { TableOf(when).Delete(msg); }

LRESULT Subclasser::CallOrigWndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!hwnd_ || dispatchDepth_ == 0) { return 0; }
    return DefSubclassProc(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK Subclasser::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR refData)
{
    return reinterpret_cast<Subclasser*>(refData)->Route(hwnd, msg, wParam, lParam);
}

// Each call out to the owner is guarded on its own, so that after an
// exception the message still gets the previous procedure's result, and the
// previous procedure never runs twice.
LRESULT Subclasser::Route(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ISubclass* owner = owner_;
    const bool beforeHit = owner && before_.Contains(msg);
    const bool afterHit = owner && after_.Contains(msg);
    ++dispatchDepth_;
    LRESULT ret = 0;
    bool handled = false;
    if (beforeHit) {
        const bool completed =
            CallGuarded([&] { owner->SubclassBefore(handled, ret, hwnd, msg, wParam, lParam); });
        handled = handled && completed;
    }
    if (!handled) {
        ret = DefSubclassProc(hwnd, msg, wParam, lParam);
        if (afterHit) {
            const LRESULT previousResult = ret;
            if (!CallGuarded([&] { owner->SubclassAfter(ret, hwnd, msg, wParam, lParam); })) {
                ret = previousResult;
            }
        }
    }
    --dispatchDepth_;
    if (msg == WM_NCDESTROY && hwnd == hwnd_) { UnSubclass(); }
    return ret;
}

}  // namespace kforge
