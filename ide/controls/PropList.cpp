#include "PropList.h"

#include <algorithm>

#include "Gdi.h"

namespace kforge {

namespace {

constexpr int kListId = 1;
constexpr int kRowPadding = 4;  // a row is this much taller than its text

// A row's name or value in its cell, clipped there.
void DrawCellText(HDC dc, RECT cell, const std::string& text, UINT extraFormat)
{
    cell.left += PropEditor::kTextMargin;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &cell,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | extraFormat);
}

}  // namespace

PropList::PropList(HWND parent, int id, const RECT& rc) : font_(MakeFont("Arial", 8.25, false, false))
{
    WindowSpec spec;
    spec.className = "KPropList";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    spec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP;
    spec.rect = rc;
    spec.parent = parent;
    spec.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    if (!Create(spec)) { return; }
    editor_ = std::make_unique<PropEditor>(Hwnd(), font_);
    editor_->onCommit = [this](const std::string& text) { Commit(text); };
    editor_->onStep = [this](int step) { Step(step); };
    rowHeight_ = editor_->TextHeight() + kRowPadding;
    CreateList();
}

// The editor goes first, and the list before its font.
PropList::~PropList()
{
    editor_.reset();
    listRoute_.UnSubclass();
    if (list_) { DestroyWindow(list_); }
    DeleteObject(font_);
}

// The list fills the control. It clips the editor that lies over it.
void PropList::CreateList()
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_CLIPSIBLINGS | WS_TABSTOP |
                        LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    list_ = CreateWindowExA(0, "LISTBOX", "", style, 0, 0, client.right, client.bottom, Hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), GetModuleHandleA(nullptr),
                            nullptr);
    if (!list_) { return; }
    SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    UpdateExtent();
    if (!listRoute_.Subclass(list_, this)) { return; }
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_KEYDOWN, WM_CHAR}) {
        listRoute_.AddMsg(msg, Subclasser::kBefore);
    }
    for (UINT msg : {WM_LBUTTONUP, WM_VSCROLL, WM_HSCROLL, WM_MOUSEWHEEL, WM_GETDLGCODE}) {
        listRoute_.AddMsg(msg, Subclasser::kAfter);
    }
}

void PropList::Clear()
{
    if (editor_) { editor_->Close(false); }
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    rows_.clear();
    current_ = -1;
    editRow_ = -1;
    UpdateExtent();
}

void PropList::AddRow(const std::string& name, int kind)
{
    rows_.push_back(std::make_unique<PropRow>(name, kind));
    SendMessageA(list_, LB_ADDSTRING, 0, 0);
}

PropRow* PropList::Row(int index)
{
    return index >= 0 && index < RowCount() ? rows_[static_cast<size_t>(index)].get() : nullptr;
}

LRESULT PropList::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(rowHeight_);
            return TRUE;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.hwndItem == list_) { DrawRow(item); }
            return TRUE;
        }
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == list_ && HIWORD(wParam) == LBN_SELCHANGE) {
                SelectionChanged();
                return 0;
            }
            break;
        case WM_SIZE:
            if (editor_) { editor_->Close(true); }
            if (list_) { MoveWindow(list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); }
            return 0;
        case WM_SETFOCUS:
            if (list_) { SetFocus(list_); }
            return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

// The name cell, the split line, the value cell and the line under the row.
void PropList::DrawRow(const DRAWITEMSTRUCT& item) const
{
    if (item.itemID >= rows_.size()) { return; }
    const PropRow& row = *rows_[item.itemID];
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    const RECT& rc = item.rcItem;
    const RECT name{rc.left, rc.top, rc.left + kNameWidth - 1, rc.bottom - 1};
    const RECT split{name.right, rc.top, name.right + 1, rc.bottom};
    const RECT value{split.right, rc.top, rc.right, rc.bottom - 1};
    const RECT rule{rc.left, rc.bottom - 1, rc.right, rc.bottom};
    FillRect(dc, &name, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    FillRect(dc, &value, GetSysColorBrush(COLOR_WINDOW));
    FillRect(dc, &split, GetSysColorBrush(COLOR_BTNFACE));
    FillRect(dc, &rule, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ oldFont = SelectObject(dc, font_);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawCellText(dc, name, row.Name(), DT_END_ELLIPSIS);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawCellText(dc, value, row.Value(), 0);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

// Raised only for a change: a click on the current row says nothing.
void PropList::SelectionChanged()
{
    const int selected = static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0));
    if (selected == current_) { return; }
    current_ = selected;
    if (selected >= 0 && onRowChanged) { onRowChanged(selected); }
}

// The editor covers the value cell as far as it is in view.
void PropList::OpenEditor(int row)
{
    if (!editor_ || !Row(row)) { return; }
    editor_->Close(true);
    RECT item{}, client{};
    if (SendMessageA(list_, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR) {
        return;
    }
    GetClientRect(list_, &client);
    RECT cell{item.left + kNameWidth, item.top, std::min(item.right, client.right), item.bottom - 1};
    if (cell.right <= cell.left) { return; }
    MapWindowPoints(list_, Hwnd(), reinterpret_cast<POINT*>(&cell), 2);
    editRow_ = row;
    editor_->Open(*rows_[static_cast<size_t>(row)], cell);
}

void PropList::Commit(const std::string& text)
{
    PropRow* row = Row(editRow_);
    if (!row) { return; }
    row->SetValue(text);
    UpdateExtent();
    RECT item{};
    if (SendMessageA(list_, LB_GETITEMRECT, static_cast<WPARAM>(editRow_), reinterpret_cast<LPARAM>(&item)) !=
        LB_ERR) {
        InvalidateRect(list_, &item, FALSE);
    }
}

// Up or Down in the editor: the neighbouring row becomes current, in edit.
void PropList::Step(int step)
{
    const int target = current_ + step;
    if (!Row(target)) { return; }
    editor_->Close(true);
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(target), 0);
    SelectionChanged();
    OpenEditor(current_);
}

int PropList::RowAt(LPARAM point) const
{
    const LRESULT hit = SendMessageA(list_, LB_ITEMFROMPOINT, 0, point);
    if (HIWORD(hit) != 0 || LOWORD(hit) >= rows_.size()) { return -1; }
    return LOWORD(hit);
}

// The list scrolls sideways as far as the widest value needs.
void PropList::UpdateExtent()
{
    HDC dc = GetDC(list_);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    int widest = 0;
    for (const auto& row : rows_) {
        SIZE size{};
        GetTextExtentPoint32A(dc, row->Value().c_str(), static_cast<int>(row->Value().size()), &size);
        widest = std::max<int>(widest, size.cx);
    }
    SelectObject(dc, oldFont);
    ReleaseDC(list_, dc);
    SendMessageA(list_, LB_SETHORIZONTALEXTENT,
                 static_cast<WPARAM>(kNameWidth + widest + 2 * PropEditor::kTextMargin), 0);
}

void PropList::SubclassBefore(bool& handled, LRESULT& ret, HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ret = 0;
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressedOnRow_ = RowAt(lParam) >= 0;  // the list's focus closes an open editor
            break;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_F2) {
                OpenEditor(current_);
                handled = true;
            }
            break;
        case WM_CHAR:
            handled = wParam == '\r';  // Enter opened the editor; no beep
            break;
    }
}

void PropList::SubclassAfter(LRESULT& ret, HWND, UINT msg, WPARAM, LPARAM lParam)
{
    switch (msg) {
        case WM_LBUTTONUP:
            if (pressedOnRow_) {
                pressedOnRow_ = false;
                SelectionChanged();
                OpenEditor(current_);
            }
            break;
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL:
            editor_->Close(true);  // its cell has moved
            break;
        case WM_GETDLGCODE: {
            const MSG* pending = reinterpret_cast<const MSG*>(lParam);
            if (pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN) {
                ret |= DLGC_WANTMESSAGE;
            }
            break;
        }
    }
}

}  // namespace kforge
