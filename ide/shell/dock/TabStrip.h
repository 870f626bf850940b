#pragma once
// A strip of tabs in one row, left to right, one of them current: the
// document tabs (each with a close box, closed also by a middle click) and
// the tabs of the panes that share a dock side. Tabs past the right edge
// are cut off.

#include <functional>
#include <string>
#include <vector>

#include "Window.h"

namespace kforge {

class TabStrip : public Window {
public:
    // closeBoxes: each tab gets a close box, and a middle click closes it.
    explicit TabStrip(bool closeBoxes) : closeBoxes_(closeBoxes) {}
    bool Create(HWND parent);

    void SetTabs(const std::vector<std::string>& captions, int current);
    int Count() const { return static_cast<int>(captions_.size()); }
    // In client pixels; empty out of range.
    RECT TabRect(int index) const;
    RECT CloseBoxRect(int index) const;
    static int PreferredHeight() { return 24; }

    std::function<void(int index)> onSelect;  // a click on a tab that is not current
    std::function<void(int index)> onClose;   // its close box or a middle click

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Measure();
    void Paint(HDC dc);
    int TabAt(POINT point) const;
    void OnLeftButton(POINT point);

    bool closeBoxes_;
    std::vector<std::string> captions_;
    std::vector<RECT> rects_;
    int current_ = -1;
    HFONT font_ = nullptr;
};

// The close glyph of tabs and pane captions: a cross inside box.
void DrawCross(HDC dc, RECT box);

}  // namespace kforge
