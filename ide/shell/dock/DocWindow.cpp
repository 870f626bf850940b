#include "DocWindow.h"

#include "DockHost.h"

namespace kforge {

DocWindow::DocWindow(DockHost& host, int id, std::string key, std::string caption, IDocument* form)
    : host_(&host), id_(id), key_(std::move(key)), caption_(std::move(caption)), form_(form)
{
}

void DocWindow::SetVisible(bool visible)
{
    if (!host_ || state_ != State::Open) { return; }
    if (visible) {
        host_->ActivateDocument(*this);
    } else {
        host_->RequestClose(*this, kCloseByUser);
    }
}

void DocWindow::SetCaption(const std::string& caption)
{
    caption_ = caption;
    if (host_) { host_->RefreshTabs(); }
}

void DocWindow::Activate()
{
    if (host_ && state_ == State::Open) { host_->ActivateDocument(*this); }
}

void DocWindow::Close()
{
    if (host_ && state_ == State::Open) { host_->RemoveDocument(*this, kCloseByCall); }
}

}  // namespace kforge
