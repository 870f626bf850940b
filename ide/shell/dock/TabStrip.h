#pragma once
// A strip of tabs in one row, left to right, one of them current: the
// document tabs (each with a close box, closed also by a middle click) and
// the tabs of the panes that share a dock side. When the tabs do not fit,
// two scroll arrows at the right end move the row by one tab, and the
// current tab is always scrolled into view.

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
    // In client pixels: the part of the tab that shows; empty out of range
    // or scrolled out of view.
    RECT TabRect(int index) const;
    RECT CloseBoxRect(int index) const;
    // The arrow that scrolls towards the last tab (towardsEnd) or the first;
    // empty while all tabs fit.
    RECT ScrollArrowRect(bool towardsEnd) const;
    static int PreferredHeight() { return 24; }

    std::function<void(int index)> onSelect;  // a click on a tab that is not current
    std::function<void(int index)> onClose;   // its close box or a middle click

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Lays the tabs out from first_ and sets overflows_.
    void Measure();
    // Moves first_ so that the current tab shows whole where it can.
    void ScrollToCurrent();
    void Scroll(int by);
    // The right end of the room the tabs have.
    int TabsRight() const;
    bool LastTabShowsWhole() const;
    void Paint(HDC dc);
    void PaintArrows(HDC dc);
    int TabAt(POINT point) const;
    void OnLeftButton(POINT point);

    bool closeBoxes_;
    std::vector<std::string> captions_;
    std::vector<RECT> rects_;  // whole tabs; those before first_ are empty
    int current_ = -1;
    int first_ = 0;           // the first tab shown
    bool overflows_ = false;  // the tabs from the first do not fit: the arrows show
    HFONT font_ = nullptr;
};

// The close glyph of tabs and pane captions: a cross inside box.
void DrawCross(HDC dc, RECT box);
// Answers a window's WM_PAINT: paint draws into its update region.
void AnswerPaint(HWND hwnd, const std::function<void(HDC)>& paint);

}  // namespace kforge
