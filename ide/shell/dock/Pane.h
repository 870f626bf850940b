#pragma once
// A pane of the docking host ("frmOutput", "frmProject", ...): it docks at
// one side and shows a window of the shell, re-parented into the side and
// sized with it. Panes of one side share it as tabs.

#include <windows.h>

#include <functional>
#include <string>

#include "DockLayout.h"
#include "Window.h"

namespace kforge {

class Pane {
public:
    Pane(std::string key, std::string caption, DockSide side);
    Pane(const Pane&) = delete;
    Pane& operator=(const Pane&) = delete;

    const std::string& Key() const { return key_; }
    const std::string& Caption() const { return caption_; }
    DockSide Side() const { return side_; }
    // Takes a stored place and visibility without telling the host.
    void Restore(DockSide side, bool visible)
    {
        side_ = side;
        visible_ = visible;
    }

    bool Visible() const { return visible_; }
    // True also makes it the pane its side shows.
    void SetVisible(bool visible);
    // The window the pane shows; the host takes it as its child.
    void SetHosted(Window& window) { SetHostedWindow(window.Hwnd()); }
    void SetHostedWindow(HWND hwnd);
    HWND Hosted() const { return hosted_; }

    // Set by the host: the pane's visibility, or its window, changed.
    std::function<void(Pane&)> onVisibleChanged;
    std::function<void(Pane&)> onHostedChanged;

private:
    std::string key_;
    std::string caption_;
    DockSide side_;
    bool visible_ = true;
    HWND hosted_ = nullptr;
};

}  // namespace kforge
