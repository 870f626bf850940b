#pragma once
// The keyword completion list of a CodeEdit, handed to the host's list
// events. The host fills it in OnCodeListWanted; the editor then shows it
// below the caret line without taking the focus away from the text.

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace kforge {

class CodeEdit;

class CodeList {
public:
    explicit CodeList(CodeEdit& editor);
    CodeList(const CodeList&) = delete;
    CodeList& operator=(const CodeList&) = delete;

    bool HasSelection() const { return GetSelectedIndex() >= 0; }
    // The icons of the entries; the list copies them when it is shown.
    void SetImageList(HIMAGELIST images) { images_ = images; }
    // -1 when no entry is selected.
    int GetSelectedIndex() const;
    // -1 selects none.
    void Select(int index);
    void AddItem(const std::string& text, int icon);
    std::string GetItemText(int index) const;
    int Count() const { return static_cast<int>(entries_.size()); }
    // Stored; the list is drawn in the editor's list font.
    void SetFontName(const std::string& face) { fontName_ = face; }
    // The first entry equal to text (or beginning with it, with prefix),
    // ignoring case; -1 when none or text is "".
    int FindString(const std::string& text, bool prefix) const;
    // Closes the list without a cancel event; allowed inside the commit.
    void Close();

    // The editor's side.
    void Reset();
    // Shows the entries with wordLength typed bytes before the caret.
    void Show(int wordLength);
    bool IsOpen() const;
    bool IsClosing() const { return closing_; }

private:
    struct Entry {
        std::string text;
        int icon;
    };
    void RegisterIcons();

    CodeEdit& editor_;
    std::vector<Entry> entries_;
    HIMAGELIST images_ = nullptr;
    std::string fontName_;
    int pendingSelection_ = -1;
    bool shown_ = false;
    bool closing_ = false;
};

}  // namespace kforge
