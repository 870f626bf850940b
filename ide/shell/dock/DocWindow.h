#pragma once
// A document window of the docking host: one tab of the document strip,
// showing a document (an editor or the Start Page). It stays valid for its
// holders after it left the host; then Index reads 0 and the operations
// that need the host do nothing.

#include <string>

namespace kforge {

class DockHost;
class IDocument;

class DocWindow {
public:
    DocWindow(DockHost& host, int id, std::string key, std::string caption, IDocument* form);
    DocWindow(const DocWindow&) = delete;
    DocWindow& operator=(const DocWindow&) = delete;

    // Unique for the process, never reused.
    int Id() const { return id_; }
    bool IsPane() const { return false; }
    // The 1-based position among the host's documents; 0 once removed.
    int Index() const { return index_; }

    bool Visible() const { return visible_; }
    // True shows and activates it. False asks to close it (mode 1): a
    // refused close leaves it open, and it reads true again.
    void SetVisible(bool visible);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const std::string& Key() const { return key_; }
    void SetKey(const std::string& key) { key_ = key; }
    // The hosted document; null once cleared.
    IDocument* Form() const { return form_; }
    void SetForm(IDocument* form) { form_ = form; }

    // Shows it, hides the document shown before, raises Activated.
    void Activate();
    // Removes it without asking (Destroyed with mode 0), once; nothing on a
    // window that is closing or closed.
    void Close();
    // Kept for callers; it changes nothing here.
    void SetWindowFlag(bool) {}

    bool IsOpen() const { return state_ == State::Open; }

private:
    friend class DockHost;
    friend class DocWindows;
    enum class State { Open, Closing, Closed };

    DockHost* host_;  // null once the window left the host
    int id_;
    int index_ = 0;
    bool visible_ = false;
    State state_ = State::Open;
    std::string key_;
    std::string caption_;
    IDocument* form_;
};

}  // namespace kforge
