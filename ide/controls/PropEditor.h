#pragma once
// The property list's in-place editor: a frame window of its own class
// ("KPropEditor") laid over one value cell, holding a text box (with a
// "..." button beside it for file rows) or a drop-down list. Enter keeps
// the edit, Esc drops it, and so does nothing else: the focus leaving the
// editor keeps it too. Up and Down in a text box ask the list to step to
// the next row. The "..." button opens the file dialog through the dialog
// seam.

#include <windows.h>

#include <functional>
#include <string>

#include "PropRow.h"
#include "Subclasser.h"
#include "Window.h"

namespace kforge {

class PropEditor : public Window, ISubclass {
public:
    // Where a value's text starts in its cell, drawn or edited.
    static constexpr int kTextMargin = 4;

    // A hidden editor, child of parent, whose controls use font.
    PropEditor(HWND parent, HFONT font);

    // Shows the editor of row over cell (the parent's client pixels) with
    // the row's value, and takes the focus. An open editor is closed first,
    // keeping its edit.
    void Open(const PropRow& row, const RECT& cell);
    // Ends editing; keep raises onCommit with the edited text first. Gives
    // the focus back to the parent when the editor had it. Nothing when
    // closed.
    void Close(bool keep);
    bool IsOpen() const { return open_; }
    // The height of a line of the editor's font, in pixels.
    int TextHeight() const { return textHeight_; }

    // The edited text of a closing editor that keeps its edit.
    std::function<void(const std::string& text)> onCommit;
    // Up (-1) or Down (+1) pressed in a text box.
    std::function<void(int step)> onStep;

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void SubclassBefore(bool& handled, LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam,
                        LPARAM lParam) override;
    void SubclassAfter(LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    void CreateControls(HFONT font);
    void Route(Subclasser& subclasser, HWND hwnd);
    void PlaceTextBox(int width, int height, bool withButton);
    void PlaceDropDown(const PropRow& row, int width, int height);
    bool KeyDown(HWND hwnd, WPARAM key);
    bool IsOwnWindow(HWND hwnd) const;
    std::string EditedText() const;
    void Browse();

    HWND edit_ = nullptr;
    HWND button_ = nullptr;
    HWND combo_ = nullptr;
    Subclasser editRoute_;
    Subclasser buttonRoute_;
    Subclasser comboRoute_;
    PropEditorKind kind_ = PropEditorKind::Text;
    bool open_ = false;
    std::string original_;   // the row's value when the editor opened
    bool browsing_ = false;  // the file dialog has the focus, the edit goes on
    int textHeight_ = 0;
};

}  // namespace kforge
