#include "List.h"

#include <cstdint>
#include <vector>

#include "Events.h"
#include "Gdi.h"

namespace kforge {

namespace {

constexpr int kListId = 1;
constexpr int kPictureSize = 16;
constexpr int kTextGap = 4;  // between the picture column and the text
constexpr const char* kStartFace = "Tahoma";
constexpr double kFontPoints = 8.25;
constexpr DWORD kListStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPSIBLINGS | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY;

// The Shift argument of the key events: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState()
{
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) { shift |= 1; }
    if (GetKeyState(VK_CONTROL) < 0) { shift |= 2; }
    if (GetKeyState(VK_MENU) < 0) { shift |= 4; }
    return shift;
}

// The system cursor of a MousePointer value; null for the list's own.
LPCSTR CursorOf(int mousePointer)
{
    switch (mousePointer) {
        case 1:
            return IDC_ARROW;
        case 2:
            return IDC_CROSS;
        case 3:
            return IDC_IBEAM;
        case 5:
        case 15:
            return IDC_SIZEALL;
        case 6:
            return IDC_SIZENESW;
        case 7:
            return IDC_SIZENS;
        case 8:
            return IDC_SIZENWSE;
        case 9:
            return IDC_SIZEWE;
        case 10:
            return IDC_UPARROW;
        case 11:
            return IDC_WAIT;
        case 12:
            return IDC_NO;
        case 13:
            return IDC_APPSTARTING;
        case 14:
            return IDC_HELP;
        default:
            return nullptr;
    }
}

void FillWith(HDC dc, const RECT& rc, COLORREF color)
{
    if (rc.right <= rc.left) { return; }
    if (HBRUSH brush = CreateSolidBrush(color)) {
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
    }
}

}  // namespace

ListCtl::ListCtl(HWND parent, int id, const RECT& rc)
{
    WindowSpec spec;
    spec.className = "KListCtl";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    spec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    spec.rect = rc;
    spec.parent = parent;
    spec.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    if (Create(spec)) { CreateParts(); }
}

ListCtl::~ListCtl()
{
    listSubclass_.UnSubclass();
    editSubclass_.UnSubclass();
    frame_.reset();
    if (picture_) { DeleteObject(picture_); }
    if (font_) { DeleteObject(font_); }
}

// The list box is owner-drawn from its creation: the style added later
// would bring no drawing requests.
void ListCtl::CreateParts()
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", kListStyle, 0, 0, client.right, client.bottom,
                            Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                            GetModuleHandleA(nullptr), nullptr);
    frame_ = std::make_unique<ListEditFrame>(Hwnd());
    frame_->onFocusLost = [this] { CommitPendingEdit(); };
    if (list_) {
        SetListboxHook(list_, true);
        if (listSubclass_.Subclass(list_, this)) {
            for (UINT msg : {WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_SETCURSOR}) {
                listSubclass_.AddMsg(msg, Subclasser::kBefore);
            }
            listSubclass_.AddMsg(WM_LBUTTONDOWN, Subclasser::kAfter);
            listSubclass_.AddMsg(WM_VSCROLL, Subclasser::kAfter);
        }
    }
    if (editSubclass_.Subclass(EditWindow(), this)) {
        editSubclass_.AddMsg(WM_KEYDOWN, Subclasser::kBefore);
        editSubclass_.AddMsg(WM_CHAR, Subclasser::kBefore);
    }
    SetFont(kStartFace);
    SetListIndex(0);
    Resize();
}

int ListCtl::SetListboxHook(HWND hwnd, bool mode)
{
    if (mode) { SetWindowLongPtrA(hwnd, GWL_STYLE, GetWindowLongPtrA(hwnd, GWL_STYLE) | LBS_OWNERDRAWFIXED); }
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE);
    return 0;
}

// Properties

int ListCtl::ListCount() const
{
    const LRESULT count = list_ ? SendMessageA(list_, LB_GETCOUNT, 0, 0) : 0;
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

int ListCtl::ListIndex() const
{
    return list_ ? static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0)) : -1;
}

void ListCtl::SetListIndex(int value)
{
    if (list_) {
        SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(static_cast<std::int16_t>(value)), 0);
    }
}

std::string ListCtl::List(int index) const
{
    if (!list_ || !ValidIndex(index)) { return std::string(); }
    const LRESULT length = SendMessageA(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) { return std::string(); }
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

void ListCtl::SetList(int index, const std::string& text)
{
    CommitPendingEdit();
    if (ValidIndex(index)) { ReplaceText(index, text); }
}

std::string ListCtl::Text() const { return List(ListIndex()); }

void ListCtl::SetText(const std::string& text)
{
    if (!list_) { return; }
    const LRESULT found = SendMessageA(list_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(found == LB_ERR ? -1 : found), 0);
}

LONG_PTR ListCtl::ItemData(int index) const
{
    if (!list_ || !ValidIndex(index)) { return 0; }
    return static_cast<LONG_PTR>(SendMessageA(list_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void ListCtl::SetItemData(int index, LONG_PTR value)
{
    if (list_ && ValidIndex(index)) {
        SendMessageA(list_, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(value));
    }
}

HFONT ListCtl::Font() const
{
    return list_ ? reinterpret_cast<HFONT>(SendMessageA(list_, WM_GETFONT, 0, 0)) : font_;
}

void ListCtl::SetFont(const std::string& faceName)
{
    HFONT font = MakeFont(faceName, kFontPoints, false, false);
    if (!font) { return; }
    if (list_) { SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }
    if (frame_) { frame_->SetFont(font); }
    if (font_) { DeleteObject(font_); }
    font_ = font;
}

bool ListCtl::Sorted() const { return list_ && (GetWindowLongPtrA(list_, GWL_STYLE) & LBS_SORT) != 0; }

// Items

void ListCtl::AddItem(const std::string& item, int index)
{
    CommitPendingEdit();
    if (!list_) { return; }
    if (index >= 0) {
        SendMessageA(list_, LB_INSERTSTRING, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(item.c_str()));
    } else {
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
}

void ListCtl::RemoveItem(int index)
{
    CommitPendingEdit();
    if (list_) {
        SendMessageA(list_, LB_DELETESTRING, static_cast<WPARAM>(static_cast<std::int16_t>(index)), 0);
    }
}

void ListCtl::Clear()
{
    CommitPendingEdit();
    if (list_) { SendMessageA(list_, LB_RESETCONTENT, 0, 0); }
}

// An item's text is replaced by deleting and inserting it at its place;
// its item data, the selection and the scroll position stay.
void ListCtl::ReplaceText(int index, const std::string& text)
{
    const LRESULT data = SendMessageA(list_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    const LRESULT selected = SendMessageA(list_, LB_GETCURSEL, 0, 0);
    const LRESULT top = SendMessageA(list_, LB_GETTOPINDEX, 0, 0);
    SendMessageA(list_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageA(list_, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(list_, LB_SETITEMDATA, static_cast<WPARAM>(index), data);
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    SendMessageA(list_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
}

void ListCtl::ItemDown() { MoveSelected(1); }

void ListCtl::ItemUp() { MoveSelected(-1); }

// The neighbour's text is set first, then the selected item's.
void ListCtl::MoveSelected(int step)
{
    CommitPendingEdit();
    const int from = ListIndex(), to = from + step;
    if (!ValidIndex(from) || !ValidIndex(to)) { return; }
    const std::string moving = List(from), other = List(to);
    ReplaceText(to, moving);
    ReplaceText(from, other);
    SetListIndex(to);
    RaiseEvent(onMoveItem);
}

// In-place editing

void ListCtl::DoEdit()
{
    CommitPendingEdit();
    const int index = ListIndex();
    if (!ValidIndex(index) || !frame_) { return; }
    editIndex_ = index;
    RECT item{};
    if (SendMessageA(list_, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR) {
        return;
    }
    MapWindowPoints(list_, Hwnd(), reinterpret_cast<POINT*>(&item), 2);
    frame_->Place({item.left + itemOffset_, item.top, item.right, item.bottom});
    std::string text = List(index);
    bool cancel = false;
    auto alive = AliveToken();
    RaiseEvent(onBeforeEdit, text, cancel);
    if (!*alive || cancel) { return; }
    frame_->SetText(text);
    editing_ = true;
    frame_->ShowAndFocus();
}

// Enter: the list shows the edit box's text while AfterEdit runs; a cancel
// puts the old text back (the handler's text is not used).
void ListCtl::CommitByEnter()
{
    if (!editing_) { return; }
    editing_ = false;
    const int index = editIndex_;
    if (ValidIndex(index)) {
        const std::string edited = frame_->Text();
        const std::string old = List(index);
        ReplaceText(index, edited);
        std::string text = edited;
        bool cancel = false;
        auto alive = AliveToken();
        RaiseEvent(onAfterEdit, text, cancel);
        if (!*alive) { return; }
        if (cancel && ValidIndex(index)) { ReplaceText(index, old); }
    }
    HideFrame();
}

void ListCtl::EndEditQuietly()
{
    editing_ = false;
    HideFrame();
}

// The focus goes back to the list first: a hidden frame keeps the focus in
// its edit box otherwise, which would then take the keys.
void ListCtl::HideFrame()
{
    if (!frame_) { return; }
    HWND focus = GetFocus();
    if (focus && focus == EditWindow() && list_) { SetFocus(list_); }
    frame_->Hide();
}

// The handler's text is the one that is kept; a cancel changes nothing.
// Moving the focus away from the edit box on hiding brings its focus loss,
// which then finds the edit ended.
void ListCtl::CommitPendingEdit()
{
    if (!editing_) { return; }
    editing_ = false;
    const int index = editIndex_;
    if (ValidIndex(index)) {
        std::string text = frame_->Text();
        bool cancel = false;
        auto alive = AliveToken();
        RaiseEvent(onAfterEdit, text, cancel);
        if (!*alive) { return; }
        if (!cancel && ValidIndex(index)) { ReplaceText(index, text); }
    }
    HideFrame();
}

// Window messages

LRESULT ListCtl::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_DRAWITEM:
            if (lParam) { DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); }
            return 0;
        case WM_MEASUREITEM:
            if (lParam) {
                reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(itemHeight_);
            }
            return TRUE;
        case WM_COMMAND:
            if (list_ && reinterpret_cast<HWND>(lParam) == list_) {
                OnListCommand(HIWORD(wParam));
                return 0;
            }
            break;
        case WM_SIZE:
            Resize();
            return 0;
        case WM_SETFOCUS:
            if (list_) { SetFocus(list_); }
            return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

void ListCtl::OnListCommand(UINT code)
{
    if (code == LBN_SELCHANGE) {
        auto alive = AliveToken();
        RaiseEvent(onClick);
        if (*alive) { lastIndex_ = ListIndex(); }
    } else if (code == LBN_DBLCLK) {
        RaiseEvent(onDblClick);
    }
}

// The list fills the control; then the control takes the height the list
// box keeps (whole items).
void ListCtl::Resize()
{
    if (!list_ || resizing_) { return; }
    resizing_ = true;
    RECT client{};
    GetClientRect(Hwnd(), &client);
    MoveWindow(list_, 0, 0, client.right, client.bottom, TRUE);
    RECT listRect{}, windowRect{};
    GetWindowRect(list_, &listRect);
    GetWindowRect(Hwnd(), &windowRect);
    const int listHeight = listRect.bottom - listRect.top;
    if (listHeight != client.bottom) {
        const int frameHeight = (windowRect.bottom - windowRect.top) - client.bottom;
        SetWindowPos(Hwnd(), nullptr, 0, 0, windowRect.right - windowRect.left, listHeight + frameHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    resizing_ = false;
}

// Drawing

void ListCtl::DrawItem(const DRAWITEMSTRUCT& item)
{
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    if (item.itemID == static_cast<UINT>(-1)) {
        if (focused) {
            RECT focus{item.rcItem.left + itemOffset_, item.rcItem.top, item.rcItem.right,
                       item.rcItem.bottom};
            DrawFocusRect(item.hDC, &focus);
        }
        return;
    }
    const int index = static_cast<int>(item.itemID);
    std::string text = List(index);
    COLORREF back = GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    COLORREF fore = GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    auto alive = AliveToken();
    RaiseEvent(onItemInfoCallback, index, focused ? 1 : 0, text, back, fore);
    if (!*alive) { return; }
    if (!picture_) { LoadPicture(); }
    SendMessageA(list_, LB_SETITEMHEIGHT, static_cast<WPARAM>(index), static_cast<LPARAM>(itemHeight_));
    PaintItem(item, text, back, fore);
}

void ListCtl::PaintItem(const DRAWITEMSTRUCT& item, const std::string& text, COLORREF back, COLORREF fore)
{
    HDC dc = item.hDC;
    const RECT& rc = item.rcItem;
    const int textLeft = rc.left + itemOffset_;
    HGDIOBJ oldFont = font_ ? SelectObject(dc, font_) : nullptr;
    SetBkColor(dc, back);
    SetTextColor(dc, fore);
    FillWith(dc, {textLeft, rc.top, rc.right, rc.bottom}, back);
    FillWith(dc, {rc.left, rc.top, textLeft, rc.bottom}, GetSysColor(COLOR_WINDOW));
    const int textTop = rc.top + (itemHeight_ - TextHeight(dc)) / 2;
    if (picture_) {
        if (HDC memory = CreateCompatibleDC(dc)) {
            HGDIOBJ oldBitmap = SelectObject(memory, picture_);
            BitBlt(dc, rc.left, rc.top, kPictureSize, kPictureSize, memory, 0, 0, SRCCOPY);
            SelectObject(memory, oldBitmap);
            DeleteDC(memory);
        }
    }
    TextOutA(dc, textLeft + kTextGap, textTop, text.c_str(), static_cast<int>(text.size()));
    if (item.itemState & ODS_FOCUS) {
        RECT focus{textLeft, rc.top, rc.right, rc.bottom};
        DrawFocusRect(dc, &focus);
    }
    if (oldFont) { SelectObject(dc, oldFont); }
}

// The pixel height of the text "H" in the font selected into dc.
int ListCtl::TextHeight(HDC dc) const
{
    SIZE size{};
    return GetTextExtentPoint32A(dc, "H", 1, &size) ? size.cy : 0;
}

void ListCtl::LoadPicture()
{
    picture_ = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), listImage_.c_str(), IMAGE_BITMAP,
                                               kPictureSize, kPictureSize, LR_LOADTRANSPARENT));
}

// Keys, clicks and scrolling of the list box and the edit box

void ListCtl::SubclassBefore(bool& handled, LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == list_) {
        BeforeListMessage(handled, ret, msg, wParam, lParam);
    } else if (hwnd == EditWindow()) {
        BeforeEditMessage(handled, msg, wParam);
    }
}

void ListCtl::BeforeListMessage(bool& handled, LRESULT& ret, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SETCURSOR) {
        LPCSTR cursor = CursorOf(mousePointer_);
        if (cursor && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorA(nullptr, cursor));
            handled = true;
            ret = TRUE;
        }
        return;
    }
    auto alive = AliveToken();
    int key = static_cast<int>(wParam);
    int shift = ShiftState();
    if (msg == WM_KEYDOWN) {
        if (key == VK_F2) { DoEdit(); }
        if (*alive) { RaiseEvent(onKeyDown, key, shift); }
    } else if (msg == WM_KEYUP) {
        RaiseEvent(onKeyUp, key, shift);
    } else if (msg == WM_CHAR) {
        RaiseEvent(onKeyPress, key);
    } else {
        return;
    }
    if (!*alive || key == 0) {
        handled = true;
    } else if (key != static_cast<int>(wParam)) {
        handled = true;
        ret = listSubclass_.CallOrigWndProc(msg, static_cast<WPARAM>(key), lParam);
    }
}

void ListCtl::BeforeEditMessage(bool& handled, UINT msg, WPARAM wParam)
{
    if (msg == WM_KEYDOWN && wParam == VK_RETURN) {
        handled = true;
        CommitByEnter();
    } else if (msg == WM_KEYDOWN && wParam == VK_ESCAPE) {
        handled = true;
        EndEditQuietly();
    } else if (msg == WM_CHAR && (wParam == '\r' || wParam == 0x1B)) {
        handled = true;  // the edit box would beep
    }
}

// With AutoEdit, a press on the item that the last click selected starts
// an edit; the press has already moved the selection.
void ListCtl::SubclassAfter(LRESULT&, HWND hwnd, UINT msg, WPARAM, LPARAM)
{
    if (hwnd != list_) { return; }
    if (msg == WM_VSCROLL) {
        RaiseEvent(onScroll);
    } else if (msg == WM_LBUTTONDOWN) {
        const int selected = ListIndex();
        auto alive = AliveToken();
        if (autoEdit_ && selected >= 0 && selected == lastIndex_) { DoEdit(); }
        if (*alive) { lastIndex_ = selected; }
    }
}

}  // namespace kforge
