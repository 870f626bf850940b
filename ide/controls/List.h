#pragma once
// The IDE's list control: a window of class "KListCtl" holding an
// owner-drawn single-column list box, whose items it draws with a 16 x 16
// picture at the left edge and their text, and an edit frame
// (ListEditFrame) for renaming an item in place.
//
// In-place editing: DoEdit, F2 in the list, or with AutoEdit a click on the
// item that was already selected places the frame over the item, raises
// BeforeEdit and shows the edit box. Enter commits (the list shows the new
// text during AfterEdit; a cancel puts the old text back), Esc ends the
// edit without an event, and losing the focus commits with the text that
// the AfterEdit handler leaves (a cancel changes nothing). Every member that
// changes the items, and DoEdit, first commits a pending edit as a focus
// loss would; a commit whose item no longer exists changes nothing.
//
// The list box and the edit box are subclassed (Subclasser) for their keys,
// clicks and scrolling; the drawing requests come to the control's own
// window procedure.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ISubclass.h"
#include "ListEditFrame.h"
#include "Subclasser.h"
#include "Window.h"

namespace kforge {

class ListCtl : public Window, private ISubclass {
public:
    ListCtl(HWND parent, int id, const RECT& rc);
    ~ListCtl() override;

    HWND ListWindow() const { return list_; }
    HWND EditWindow() const { return frame_ ? frame_->Edit() : nullptr; }
    HWND EditFrameWindow() const { return frame_ ? frame_->Hwnd() : nullptr; }

    // Adds LBS_OWNERDRAWFIXED to the window's style when mode is set, then
    // invalidates it; always 0.
    int SetListboxHook(HWND hwnd, bool mode);

    int ListCount() const;
    // The selected index, -1 for none; the setter takes a 16-bit index and
    // raises no Click.
    int ListIndex() const;
    void SetListIndex(int value);
    // The name of the bitmap resource of the item picture, loaded once at the
    // first drawing that finds it.
    const std::string& ListImage() const { return listImage_; }
    void SetListImage(const std::string& name) { listImage_ = name; }
    // The text of an item; "" for no such item.
    std::string List(int index) const;
    void SetList(int index, const std::string& text);
    // The selected item's text; setting it selects the first item with that
    // text (ignoring case), or none.
    std::string Text() const;
    void SetText(const std::string& text);
    // 0 the list's own cursor; 1 arrow, 2 cross, 3 I-beam, 5 and 15 size
    // all, 6 to 9 the sizing arrows, 10 up arrow, 11 hourglass, 12 no,
    // 13 arrow and hourglass, 14 arrow and question mark.
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int value) { mousePointer_ = value; }
    LONG_PTR ItemData(int index) const;
    void SetItemData(int index, LONG_PTR value);
    // Applied at the next drawing of an item.
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value) { itemHeight_ = value; }
    bool AutoEdit() const { return autoEdit_; }
    void SetAutoEdit(bool value) { autoEdit_ = value; }
    // The list's font; the setter takes a face name for the list, the edit
    // box and the drawing.
    HFONT Font() const;
    void SetFont(const std::string& faceName);
    // The width of the picture column; the text starts 4 pixels further.
    int ItemOffset() const { return itemOffset_; }
    void SetItemOffset(int value) { itemOffset_ = value; }
    // The list never sorts: that is fixed when it is created.
    bool Sorted() const;
    void SetSorted(bool) {}

    // At index when it is 0 or more, else at the end.
    void AddItem(const std::string& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    void DoEdit();
    // Exchange the selected item's text with its neighbour's (item data stay)
    // and select the neighbour; nothing at the ends or without a selection.
    void ItemDown();
    void ItemUp();

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onMoveItem;
    std::function<void(std::string& szText, bool& cancel)> onBeforeEdit;
    std::function<void(std::string& szText, bool& cancel)> onAfterEdit;
    // A key code or character set to 0 by the handler is not passed on; a
    // changed one is passed on instead.
    std::function<void(int& keyCode, int& shift)> onKeyDown;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int& keyCode, int& shift)> onKeyUp;
    // state 1 for the item with the focus, else 0; text and colours may be
    // changed for the drawing.
    std::function<void(int index, int state, std::string& text, COLORREF& backColor, COLORREF& textColor)>
        onItemInfoCallback;
    std::function<void()> onScroll;

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void SubclassBefore(bool& handled, LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam,
                        LPARAM lParam) override;
    void SubclassAfter(LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    void CreateParts();
    void Resize();
    void DrawItem(const DRAWITEMSTRUCT& item);
    void PaintItem(const DRAWITEMSTRUCT& item, const std::string& text, COLORREF back, COLORREF fore);
    void LoadPicture();
    int TextHeight(HDC dc) const;
    void OnListCommand(UINT code);
    void BeforeListMessage(bool& handled, LRESULT& ret, UINT msg, WPARAM wParam, LPARAM lParam);
    void BeforeEditMessage(bool& handled, UINT msg, WPARAM wParam);
    bool ValidIndex(int index) const { return index >= 0 && index < ListCount(); }
    void ReplaceText(int index, const std::string& text);
    void MoveSelected(int step);

    void HideFrame();
    void CommitByEnter();
    void EndEditQuietly();
    // The focus-loss commit; also ends a pending edit before a change.
    void CommitPendingEdit();

    HWND list_ = nullptr;
    std::unique_ptr<ListEditFrame> frame_;
    HFONT font_ = nullptr;
    HBITMAP picture_ = nullptr;
    std::string listImage_;
    int itemHeight_ = 20;
    int itemOffset_ = 18;
    bool autoEdit_ = false;
    int mousePointer_ = 0;
    int editIndex_ = -1;
    bool editing_ = false;  // an edit is shown and not yet ended
    int lastIndex_ = -1;    // the selection seen at the last click
    bool resizing_ = false;
    Subclasser listSubclass_;
    Subclasser editSubclass_;
};

}  // namespace kforge
