#include "OutputPane.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>

#include "Gdi.h"
#include "MessagePump.h"
#include "OutputViews.h"

namespace kforge {

namespace {

constexpr int kSelectorId = 1;
constexpr int kTextId = 2;
// The layout, in twips: the frame begins below the selector, and the box
// sits one pixel inside the frame.
constexpr int kFrameTopTwips = 405;
constexpr int kFrameInsetTwips = 30;
constexpr int kDroppedListHeight = 160;  // pixels

std::string WindowText(HWND hwnd)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT ClientRect(HWND hwnd)
{
    RECT rc{};
    GetClientRect(hwnd, &rc);
    return rc;
}

}  // namespace

OutputPane::~OutputPane()
{
    // The controls go before the font they use.
    if (Hwnd()) { DestroyWindow(Hwnd()); }
    if (font_) { DeleteObject(font_); }
}

bool OutputPane::Create(HWND parent, const RECT& rect)
{
    WindowSpec spec;
    spec.className = "KOutputPane";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    spec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    spec.rect = rect;
    spec.parent = parent;
    return Window::Create(spec) && selector_ && text_;
}

void OutputPane::CreateControls()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    selector_ =
        CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                        0, 0, 0, kDroppedListHeight, Hwnd(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSelectorId)), instance, nullptr);
    text_ = CreateWindowExA(0, "EDIT", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                                ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
                            0, 0, 0, 0, Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)),
                            instance, nullptr);
    // "Lucida Console" where it exists; the fixed-pitch request gives a
    // monospace face where it does not.
    font_ = MakeFont("Lucida Console", 9, false, true);
    SendMessageA(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageA(text_, EM_SETLIMITTEXT, 0, 0);
    SendMessageA(selector_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    selectorLook_.Attach(selector_);
    for (const OutputViewSpec& view : kOutputViews) {
        SendMessageA(selector_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(view.name));
    }
    SelectOutputView();
}

void OutputPane::SelectOutputView() { SendMessageA(selector_, CB_SETCURSEL, kToolOutputView, 0); }

void OutputPane::SetText(const std::string& text) { SetWindowTextA(text_, text.c_str()); }

void OutputPane::Clear() { SetText(std::string()); }

// Each step sizes from the pane's size at that moment; pending messages run
// between the steps.
void OutputPane::Layout()
{
    if (!selector_ || !text_) { return; }
    const LONG frameTop = TwipsToPixelsY(kFrameTopTwips);
    const LONG insetX = TwipsToPixelsX(kFrameInsetTwips), insetY = TwipsToPixelsY(kFrameInsetTwips);
    const std::function<void()> steps[] = {
        [&] {
            const RECT inner = ClientRect(Hwnd());
            InvalidateRect(Hwnd(), &frame_, TRUE);
            frame_ = {0, frameTop, inner.right, std::max(frameTop, inner.bottom)};
            InvalidateRect(Hwnd(), &frame_, TRUE);
        },
        [&] {
            MoveWindow(text_, frame_.left + insetX / 2, frame_.top + insetY / 2,
                       std::max<LONG>(0, frame_.right - frame_.left - insetX),
                       std::max<LONG>(0, frame_.bottom - frame_.top - insetY), TRUE);
        },
        [&] { MoveWindow(selector_, 0, 0, ClientRect(Hwnd()).right, kDroppedListHeight, TRUE); },
    };
    const auto alive = AliveToken();
    for (const auto& step : steps) {
        step();
        PumpPendingMessages();
        if (!*alive) { return; }
    }
}

// The user may switch away from the tool output now: keep it.
void OutputPane::OnSelectorFocus()
{
    if (SendMessageA(selector_, CB_GETCURSEL, 0, 0) == kToolOutputView) { outputText_ = WindowText(text_); }
}

void OutputPane::OnViewChosen()
{
    const LRESULT view = SendMessageA(selector_, CB_GETCURSEL, 0, 0);
    if (view < 0 || view >= kOutputViewCount) { return; }
    const char* errorFile = kOutputViews[view].errorFile;
    SetText(errorFile ? ReadErrorFileView(errorFile) : outputText_);
}

std::string OutputPane::ReadErrorFileView(const char* errorFile) const
{
    char folder[MAX_PATH + 1] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    std::ifstream in(std::string(folder) + "\\" + errorFile, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ErrorFileViewText(content);
}

void OutputPane::PaintFrame()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    FrameRect(dc, &frame_, GetSysColorBrush(COLOR_BTNSHADOW));
    EndPaint(Hwnd(), &paint);
}

LRESULT OutputPane::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_CREATE:
            CreateControls();
            return 0;
        case WM_SIZE:
            Layout();
            return 0;
        case WM_PAINT:
            PaintFrame();
            return 0;
        case WM_CTLCOLORSTATIC:  // a read-only box asks as a static does
            if (reinterpret_cast<HWND>(lParam) == text_) {
                SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
                SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        case WM_COMMAND:
            if (LOWORD(wParam) == kSelectorId) {
                if (HIWORD(wParam) == CBN_SETFOCUS) { OnSelectorFocus(); }
                if (HIWORD(wParam) == CBN_SELCHANGE) { OnViewChosen(); }
                return 0;
            }
            break;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

}  // namespace kforge
