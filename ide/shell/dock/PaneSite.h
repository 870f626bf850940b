#pragma once
// One dock side of the docking host: a caption with the shown pane's title
// and a close box, the pane's window below it, and a strip of tabs at the
// bottom when more than one pane shares the side.

#include <functional>
#include <vector>

#include "Pane.h"
#include "TabStrip.h"
#include "Window.h"

namespace kforge {

class PaneSite : public Window {
public:
    PaneSite() : tabs_(false) {}
    bool Create(HWND parent);

    // The visible panes of the side, in order, and the index of the one shown.
    void SetPanes(const std::vector<Pane*>& panes, int current);
    // In client pixels.
    RECT CloseBoxRect() const;
    RECT TabRect(int index) const;

    std::function<void(Pane&)> onClosePane;   // the caption's close box
    std::function<void(Pane&)> onSelectPane;  // a click on another pane's tab

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Layout();
    void Paint(HDC dc);
    Pane* Shown() const;

    TabStrip tabs_;
    std::vector<Pane*> panes_;
    int current_ = -1;
};

// Makes hwnd a child of parent (a caption or frame it had is taken off).
void AdoptChild(HWND hwnd, HWND parent);

}  // namespace kforge
