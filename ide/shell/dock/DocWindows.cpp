#include "DocWindows.h"

#include <algorithm>

#include "DockHost.h"

namespace kforge {

std::shared_ptr<DocWindow> DocWindows::Item(int index) const
{
    return index >= 1 && index <= Count() ? windows_[static_cast<size_t>(index - 1)] : nullptr;
}

std::shared_ptr<DocWindow> DocWindows::Add(const std::string& key, const std::string& caption, HICON,
                                           IDocument* form, bool, int)
{
    auto window = std::make_shared<DocWindow>(host_, ++lastId_, key, caption, form);
    windows_.push_back(window);
    Renumber();
    host_.AdoptDocument(*window);
    return window;
}

void DocWindows::Remove(DocWindow& window)
{
    windows_.erase(
        std::remove_if(windows_.begin(), windows_.end(),
                       [&window](const std::shared_ptr<DocWindow>& held) { return held.get() == &window; }),
        windows_.end());
    window.index_ = 0;
    Renumber();
}

void DocWindows::Renumber()
{
    for (size_t i = 0; i < windows_.size(); ++i) { windows_[i]->index_ = static_cast<int>(i + 1); }
}

}  // namespace kforge
