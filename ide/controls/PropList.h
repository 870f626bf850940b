#pragma once
// The property list (window class "KPropList"): rows of a name and a
// value in two columns, the names 200 pixels wide, in an owner-drawn
// LISTBOX with both scroll bars, no border and Arial. One click on a row
// makes it current and opens the in-place editor of its value (see
// PropEditor); Enter or F2 opens it from the keyboard. What the user types
// stays in the row until Clear. onRowChanged tells the host when the
// current row changes by a click or a key; Clear and AddRow never raise it.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PropEditor.h"
#include "PropRow.h"
#include "Subclasser.h"
#include "Window.h"

namespace kforge {

class PropList : public Window, ISubclass {
public:
    // The width of the names column, in pixels.
    static constexpr int kNameWidth = 200;

    PropList(HWND parent, int id, const RECT& rc);
    ~PropList() override;

    // Removes every row, with whatever was typed into them.
    void Clear();
    // Appends a row; kind is one of PropRow's kind codes (others are text).
    void AddRow(const std::string& name, int kind);
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // The row at a 0-based index, or null outside 0..RowCount()-1.
    PropRow* Row(int index);
    // The current row, or -1.
    int CurrentRow() const { return current_; }

    std::function<void(int row)> onRowChanged;

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void SubclassBefore(bool& handled, LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam,
                        LPARAM lParam) override;
    void SubclassAfter(LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    void CreateList();
    void DrawRow(const DRAWITEMSTRUCT& item) const;
    void SelectionChanged();
    void OpenEditor(int row);
    void Commit(const std::string& text);
    void Step(int step);
    int RowAt(LPARAM point) const;
    void UpdateExtent();

    HFONT font_ = nullptr;
    int rowHeight_ = 0;
    HWND list_ = nullptr;
    Subclasser listRoute_;
    std::unique_ptr<PropEditor> editor_;
    std::vector<std::unique_ptr<PropRow>> rows_;  // stable addresses for Row()
    int current_ = -1;
    int editRow_ = -1;
    bool pressedOnRow_ = false;  // the button went down on a row
};

}  // namespace kforge
