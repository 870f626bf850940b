#pragma once
// The docking host's documents in the order they were added, never
// reordered; positions are 1-based.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "DocWindow.h"

namespace kforge {

class DockHost;
class IDocument;

class DocWindows {
public:
    explicit DocWindows(DockHost& host) : host_(host) {}
    DocWindows(const DocWindows&) = delete;
    DocWindows& operator=(const DocWindows&) = delete;

    int Count() const { return static_cast<int>(windows_.size()); }
    // The window at a 1-based position; null out of range.
    std::shared_ptr<DocWindow> Item(int index) const;
    // A copy to walk while windows close.
    std::vector<std::shared_ptr<DocWindow>> Snapshot() const { return windows_; }
    // A new window, not yet shown (Visible or Activate shows it). The icon,
    // the flag and the style are kept for callers; the host draws no icons.
    std::shared_ptr<DocWindow> Add(const std::string& key, const std::string& caption, HICON icon,
                                   IDocument* form, bool flag, int style);

private:
    friend class DockHost;
    // Takes the window out and numbers the rest again; its Index becomes 0.
    void Remove(DocWindow& window);
    void Renumber();

    DockHost& host_;
    std::vector<std::shared_ptr<DocWindow>> windows_;
    int lastId_ = 0;
};

}  // namespace kforge
