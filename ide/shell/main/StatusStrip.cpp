#include "StatusStrip.h"

#include <commctrl.h>

namespace kforge {

namespace {

constexpr int kFirstField = 240;
constexpr int kLastField = 120;

}  // namespace

bool StatusStrip::Create(HWND parent)
{
    bar_ =
        CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_NOPARENTALIGN,
                        0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!bar_) { return false; }
    SetText(0, "Ready");
    return true;
}

int StatusStrip::Height() const
{
    RECT rc{};
    GetWindowRect(bar_, &rc);
    return rc.bottom > rc.top ? rc.bottom - rc.top : 22;
}

void StatusStrip::Place(int width, int bottom)
{
    const int height = Height();
    MoveWindow(bar_, 0, bottom - height, width, height, TRUE);
    int edges[3] = {kFirstField, width - kLastField > kFirstField ? width - kLastField : kFirstField, -1};
    SendMessageA(bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

void StatusStrip::SetText(int field, const std::string& text)
{
    SendMessageA(bar_, SB_SETTEXTA, static_cast<WPARAM>(field), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusStrip::Text(int field) const
{
    const LRESULT info = SendMessageA(bar_, SB_GETTEXTLENGTHA, static_cast<WPARAM>(field), 0);
    std::string text(static_cast<size_t>(LOWORD(info)) + 1, '\0');
    SendMessageA(bar_, SB_GETTEXTA, static_cast<WPARAM>(field), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(LOWORD(info));
    return text;
}

}  // namespace kforge
