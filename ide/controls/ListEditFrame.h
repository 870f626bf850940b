#pragma once
// The List control's in-place edit frame: a hidden child window of class
// "KListEditFrame" that holds a single-line edit box. Placed over an item
// while it is edited; the edit box sits centred vertically in the frame,
// 2 pixels narrower than it, and selects its whole text when it receives
// the focus. The frame tells its owner when the edit box loses the focus.

#include <windows.h>

#include <functional>
#include <string>

#include "Window.h"

namespace kforge {

class ListEditFrame : public Window {
public:
    explicit ListEditFrame(HWND parent);

    HWND Edit() const { return edit_; }
    void SetFont(HFONT font);
    std::string Text() const;
    void SetText(const std::string& text);
    // Places the frame at a rectangle of its parent's client area.
    void Place(const RECT& rc);
    // Shows the frame above its siblings and gives the edit box the focus.
    void ShowAndFocus();
    void Hide();
    bool Visible() const;

    std::function<void()> onFocusLost;

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void ArrangeEdit();

    HWND edit_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace kforge
