#include "ModalDialog.h"

#include "Gdi.h"
#include "MessagePump.h"
#include "Placement.h"

namespace kforge {

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

}  // namespace

ModalDialog::ModalDialog(std::string caption, int clientWidth, int clientHeight)
    : caption_(std::move(caption)), clientWidth_(clientWidth), clientHeight_(clientHeight)
{
}

ModalDialog::~ModalDialog()
{
    if (font_) { DeleteObject(font_); }
}

int ModalDialog::ShowModal(HWND owner)
{
    if (Hwnd()) { return IDCANCEL; }
    ended_ = false;
    result_ = IDCANCEL;
    if (!CreateDialogWindow(owner)) { return IDCANCEL; }
    // Placed before it shows; its messages wait for the modal loop.
    PlaceOnScreen(Hwnd(), 3);
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner) { EnableWindow(owner, FALSE); }
    ShowWindow(Hwnd(), SW_SHOW);
    FocusFirstControl();
    {
        ModalDialogScope scope(Hwnd());
        RunModalLoop();
    }
    // The owner comes back before the dialog goes, so it is activated again.
    if (disableOwner) { EnableWindow(owner, TRUE); }
    if (HWND hwnd = Hwnd()) { DestroyWindow(hwnd); }
    return result_;
}

bool ModalDialog::CreateDialogWindow(HWND owner)
{
    if (!font_) { font_ = MakeFont("Tahoma", 8, false, false); }
    RECT frame{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&frame, kDialogStyle, FALSE, kDialogExStyle);
    WindowSpec spec;
    spec.className = "KModalDialog";
    spec.background = GetSysColorBrush(COLOR_BTNFACE);
    spec.exStyle = kDialogExStyle;
    spec.style = kDialogStyle;
    spec.title = caption_;
    spec.rect = RECT{0, 0, frame.right - frame.left, frame.bottom - frame.top};
    spec.parent = owner;
    return Create(spec);
}

void ModalDialog::FocusFirstControl()
{
    HWND first = GetNextDlgTabItem(Hwnd(), nullptr, FALSE);
    SetFocus(first ? first : Hwnd());
}

void ModalDialog::RunModalLoop()
{
    MSG msg;
    while (!ended_ && Hwnd()) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the main loop
            return;
        }
        if (got < 0) { return; }
        if (IsDialogMessageA(Hwnd(), &msg)) { continue; }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void ModalDialog::EndModal(int result)
{
    result_ = result;
    ended_ = true;
}

void ModalDialog::OnCommand(int, int, HWND) {}

void ModalDialog::OnClose() { OnCommand(IDCANCEL, BN_CLICKED, nullptr); }

HWND ModalDialog::AddControl(const char* className, const std::string& text, DWORD style, const RECT& rect,
                             int id, DWORD exStyle)
{
    HWND control = CreateWindowExA(exStyle, className, text.c_str(), style | WS_CHILD | WS_VISIBLE, rect.left,
                                   rect.top, rect.right - rect.left, rect.bottom - rect.top, Hwnd(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (control) { SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE); }
    return control;
}

LRESULT ModalDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_CREATE:
            OnLoad();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(defaultId_, DC_HASDEFID);
        case WM_DESTROY:
            OnUnload();
            ended_ = true;  // a dialog destroyed from outside ends its loop too
            return 0;
        default:
            return Window::OnMessage(msg, wParam, lParam);
    }
}

}  // namespace kforge
