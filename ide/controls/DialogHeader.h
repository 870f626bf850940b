#pragma once
// The header band of a dialog: white, a picture from the program's bitmap
// resources at its left, the dialog's explanation beside it (the window's
// text, wrapped), and an etched line along its bottom edge.

#include <windows.h>

#include <string>

#include "Window.h"

namespace kforge {

class DialogHeader : public Window {
public:
    DialogHeader() = default;
    ~DialogHeader() override;

    // Makes the band in parent at rect (client pixels); bitmapName names a
    // bitmap resource of the program (a missing one leaves the picture out).
    bool Create(HWND parent, const RECT& rect, const std::string& bitmapName, const std::string& text,
                HFONT font);

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc);

    HBITMAP picture_ = nullptr;
    HFONT font_ = nullptr;  // the dialog's, not owned
};

}  // namespace kforge
