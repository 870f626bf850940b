#pragma once
// The flat look of one standard control: a thin two-tone frame in place of
// its three-dimensional border. For an edit or a panel the control is made
// 2 pixels smaller on every side and the frame fills the freed band and the
// control's own edge; a combo box keeps its place and gets the frame and a
// raised drop-down button area inside its client area. The object
// subclasses the control and redraws the frame after the control paints and
// when the focus or the mouse changes; the control still does all its own
// work (no message is taken over). The look is the same whatever the focus
// and hover state; hover is tracked with a 10 ms timer on the control.
//
// One object per decorated control, owned by its host; releasing it
// detaches it.

#include <windows.h>

#include "ISubclass.h"
#include "Subclasser.h"

namespace kforge {

class FlatCtl : public ISubclass {
public:
    static constexpr UINT_PTR kHoverTimer = 1;
    static constexpr UINT kHoverMilliseconds = 10;

    FlatCtl() = default;
    FlatCtl(const FlatCtl&) = delete;
    FlatCtl& operator=(const FlatCtl&) = delete;
    ~FlatCtl();

    // Decorates the control, after leaving one decorated before; false (and
    // nothing done) for a null or destroyed window.
    bool Attach(HWND control);
    // Whether the decorated combo box has its list dropped down.
    bool DroppedDown() const;
    // Whether hover tracking runs (the cursor came over the control).
    bool MouseOver() const { return mouseOver_; }

    void SubclassBefore(bool& handled, LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam,
                        LPARAM lParam) override;
    void SubclassAfter(LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Release();
    void MakeRoomForFrame() const;
    bool HasFocus() const;
    void StopHover();
    void HoverCheck();
    void Redraw() const;
    void DrawControlFrame() const;
    void DrawComboFrame() const;

    HWND drawn_ = nullptr;      // the window whose frame is drawn
    HWND editChild_ = nullptr;  // a drop-down combo box's edit field
    bool attached_ = false;     // the messages are registered
    bool mouseOver_ = false;    // hover tracking runs
    bool comboLook_ = false;    // the frame lies inside, with a drop-down button area
    Subclasser subclasser_;
};

}  // namespace kforge
