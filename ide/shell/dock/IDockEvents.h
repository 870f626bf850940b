#pragma once
// What the docking host reports to the window that holds it.

namespace kforge {

class DocWindow;
class Tool;

// Close modes: 1 when the user closes a document (its tab's close box, a
// middle click on the tab, Ctrl+F4) or a caller sets Visible false; 0 for
// DocWindow::Close.
constexpr int kCloseByUser = 1;
constexpr int kCloseByCall = 0;

class IDockEvents {
public:
    virtual ~IDockEvents() = default;

    // A menu item, tool-bar button, MRU entry, popup entry or shortcut key.
    virtual void OnCommand(Tool& tool) = 0;
    // Before a document closes; setting cancel keeps it open.
    virtual void OnDocumentClosing(DocWindow& window, int mode, bool& cancel) = 0;
    // After a document left the host (its tab removed, Index 0).
    virtual void OnDocumentDestroyed(DocWindow& window, int mode) = 0;
    // A document became the active one.
    virtual void OnDocumentActivated(DocWindow& window) = 0;
};

}  // namespace kforge
