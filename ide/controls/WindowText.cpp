#include "WindowText.h"

namespace kforge {

std::string WindowText(HWND hwnd)
{
    int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) { return std::string(); }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd, &text[0], length + 1)));
    return text;
}

}  // namespace kforge
