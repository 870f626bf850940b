#include "Pane.h"

namespace kforge {

Pane::Pane(std::string key, std::string caption, DockSide side)
    : key_(std::move(key)), caption_(std::move(caption)), side_(side)
{
}

void Pane::SetVisible(bool visible)
{
    visible_ = visible;
    if (onVisibleChanged) { onVisibleChanged(*this); }
}

void Pane::SetHostedWindow(HWND hwnd)
{
    hosted_ = hwnd;
    if (onHostedChanged) { onHostedChanged(*this); }
}

}  // namespace kforge
