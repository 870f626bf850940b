#include "PropEditor.h"

#include <algorithm>

#include "Dialogs.h"
#include "Texts.h"

namespace kforge {

namespace {

constexpr int kVisibleChoices = 8;
// A drop-down's selection field is its item height plus this frame.
constexpr int kComboFrame = 6;

int LineHeight(HFONT font)
{
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

HWND MakeChild(HWND parent, const char* className, const char* text, DWORD style, int id, HFONT font)
{
    HWND child = CreateWindowExA(0, className, text, WS_CHILD | style, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                 nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

std::string WindowText(HWND hwnd)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool IsEnterOrEscape(WPARAM key) { return key == VK_RETURN || key == VK_ESCAPE; }

}  // namespace

PropEditor::PropEditor(HWND parent, HFONT font) : textHeight_(LineHeight(font))
{
    WindowSpec spec;
    spec.className = "KPropEditor";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    spec.style = WS_CHILD | WS_CLIPCHILDREN;
    spec.parent = parent;
    if (Create(spec)) { CreateControls(font); }
}

void PropEditor::CreateControls(HFONT font)
{
    edit_ = MakeChild(Hwnd(), "EDIT", "", ES_AUTOHSCROLL, 1, font);
    SendMessageA(edit_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    button_ = MakeChild(Hwnd(), "BUTTON", "...", BS_PUSHBUTTON, 2, font);
    combo_ = MakeChild(Hwnd(), "COMBOBOX", "", WS_VSCROLL | CBS_DROPDOWNLIST, 3, font);
    Route(editRoute_, edit_);
    Route(buttonRoute_, button_);
    Route(comboRoute_, combo_);
}

// Keys are looked at before the control's own procedure; the focus moving
// away and the dialog codes after it.
void PropEditor::Route(Subclasser& subclasser, HWND hwnd)
{
    if (!subclasser.Subclass(hwnd, this)) { return; }
    subclasser.AddMsg(WM_KEYDOWN, Subclasser::kBefore);
    subclasser.AddMsg(WM_CHAR, Subclasser::kBefore);
    subclasser.AddMsg(WM_KILLFOCUS, Subclasser::kAfter);
    subclasser.AddMsg(WM_GETDLGCODE, Subclasser::kAfter);
}

void PropEditor::Open(const PropRow& row, const RECT& cell)
{
    Close(true);
    kind_ = row.EditorKind();
    original_ = row.Value();
    const int width = cell.right - cell.left, height = cell.bottom - cell.top;
    if (kind_ == PropEditorKind::DropDown) {
        PlaceDropDown(row, width, height);
    } else {
        PlaceTextBox(width, height, kind_ == PropEditorKind::TextBrowse);
        SetWindowTextA(edit_, original_.c_str());
    }
    SetWindowPos(Hwnd(), HWND_TOP, cell.left, cell.top, width, height, SWP_SHOWWINDOW);
    open_ = true;
    HWND focus = kind_ == PropEditorKind::DropDown ? combo_ : edit_;
    SetFocus(focus);
    if (focus == edit_) { SendMessageA(edit_, EM_SETSEL, 0, -1); }
}

// The text box sits where the list draws a value's text; a file row's
// button is a square at the cell's right end.
void PropEditor::PlaceTextBox(int width, int height, bool withButton)
{
    const int buttonWidth = withButton ? height : 0;
    MoveWindow(edit_, kTextMargin, (height - textHeight_) / 2, width - buttonWidth - kTextMargin, textHeight_,
               FALSE);
    MoveWindow(button_, width - buttonWidth, 0, buttonWidth, height, FALSE);
    ShowWindow(edit_, SW_SHOW);
    ShowWindow(button_, withButton ? SW_SHOW : SW_HIDE);
    ShowWindow(combo_, SW_HIDE);
}

void PropEditor::PlaceDropDown(const PropRow& row, int width, int height)
{
    SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
    const std::vector<std::string> choices = row.Choices();
    for (const std::string& choice : choices) {
        SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
    }
    const LRESULT chosen = original_.empty()
                               ? CB_ERR
                               : SendMessageA(combo_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(original_.c_str()));
    SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    SendMessageA(combo_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - kComboFrame);
    const int shown = std::min<int>(kVisibleChoices, std::max<int>(1, static_cast<int>(choices.size())));
    const int listHeight = shown * static_cast<int>(SendMessageA(combo_, CB_GETITEMHEIGHT, 0, 0)) + 2;
    MoveWindow(combo_, 0, 0, width, height + listHeight, FALSE);
    ShowWindow(edit_, SW_HIDE);
    ShowWindow(button_, SW_HIDE);
    ShowWindow(combo_, SW_SHOW);
}

void PropEditor::Close(bool keep)
{
    if (!open_) { return; }
    const bool hadFocus = IsOwnWindow(GetFocus());
    const std::string text = EditedText();
    open_ = false;  // the focus loss that hiding causes is no second close
    ShowWindow(Hwnd(), SW_HIDE);
    if (keep && onCommit) { onCommit(text); }
    if (hadFocus) { SetFocus(GetParent(Hwnd())); }
}

std::string PropEditor::EditedText() const
{
    if (kind_ != PropEditorKind::DropDown) { return WindowText(edit_); }
    const LRESULT chosen = SendMessageA(combo_, CB_GETCURSEL, 0, 0);
    if (chosen == CB_ERR) { return original_; }
    std::string text(static_cast<size_t>(SendMessageA(combo_, CB_GETLBTEXTLEN, chosen, 0)) + 1, '\0');
    SendMessageA(combo_, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(text.data()));
    return text.c_str();
}

bool PropEditor::IsOwnWindow(HWND hwnd) const { return hwnd && (hwnd == Hwnd() || IsChild(Hwnd(), hwnd)); }

void PropEditor::Browse()
{
    const std::string filter = std::string("All Files (*.*)") + '\0' + "*.*" + '\0';
    auto alive = AliveToken();
    browsing_ = true;
    const std::string path = ShowOpen(GetAncestor(Hwnd(), GA_ROOT), filter, "Open File ...",
                                      OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST);
    if (!*alive) { return; }
    browsing_ = false;
    if (!open_) { return; }
    if (!Trim(path).empty()) { SetWindowTextA(edit_, path.c_str()); }
    SetFocus(edit_);
    SendMessageA(edit_, EM_SETSEL, 0, -1);
}

LRESULT PropEditor::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && reinterpret_cast<HWND>(lParam) == button_ && HIWORD(wParam) == BN_CLICKED) {
        Browse();
        return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

void PropEditor::SubclassBefore(bool& handled, LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_KEYDOWN) {
        handled = KeyDown(hwnd, wParam);
    } else if (msg == WM_CHAR) {
        handled = wParam == '\r' || wParam == 0x1B;  // ended the edit already; no beep
    }
    ret = 0;
}

// Enter and Esc end the edit, unless an open drop-down list takes them.
bool PropEditor::KeyDown(HWND hwnd, WPARAM key)
{
    if (hwnd == combo_ && SendMessageA(combo_, CB_GETDROPPEDSTATE, 0, 0)) { return false; }
    if (IsEnterOrEscape(key)) {
        Close(key == VK_RETURN);
        return true;
    }
    if (hwnd == edit_ && (key == VK_UP || key == VK_DOWN)) {
        if (onStep) { onStep(key == VK_UP ? -1 : 1); }
        return true;
    }
    return false;
}

void PropEditor::SubclassAfter(LRESULT& ret, HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KILLFOCUS) {
        if (!browsing_ && !IsOwnWindow(reinterpret_cast<HWND>(wParam))) { Close(true); }
    } else if (msg == WM_GETDLGCODE) {
        // A dialog around the list must leave Enter and Esc to the editor.
        const MSG* pending = reinterpret_cast<const MSG*>(lParam);
        if (pending && pending->message == WM_KEYDOWN && IsEnterOrEscape(pending->wParam)) {
            ret |= DLGC_WANTMESSAGE;
        }
    }
}

}  // namespace kforge
