#pragma once
// Draws a ButtonXP: the face of one state straight onto the button's window
// (one pen, one brush, one device context, all given back), the icon through
// a 16 x 16 holder rendered afresh each time on the state's holder colour,
// the nine pixels of a split button's arrow, and the embossed grey icon of a
// disabled button. Also turns icons and bitmaps into the button's picture
// form.

#include <windows.h>

#include "ButtonXPLook.h"
#include "ButtonXPProperties.h"

namespace kforge {

class ButtonXPPainter {
public:
    // The icon and arrow holders' size.
    static constexpr int kHolderSide = 16;

    ButtonXPPainter();  // makes the caption font, "Tahoma" 8.25 points
    ~ButtonXPPainter();
    ButtonXPPainter(const ButtonXPPainter&) = delete;
    ButtonXPPainter& operator=(const ButtonXPPainter&) = delete;

    void Paint(HWND hwnd, const ButtonXPLook& look, const ButtonXPProperties& properties) const;

    // Rewrites the width x height picture on dc in its disabled look, on the
    // dc's background colour (GetBkColor).
    static void DrawDisabledIcon(HDC dc, int width, int height);

    // The pixels of an icon (its mask gives the transparent ones) or of a
    // bitmap (all shown); no picture for a null or unreadable handle.
    static ButtonPicture PictureFromIcon(HICON icon);
    static ButtonPicture PictureFromBitmap(HBITMAP bitmap);

private:
    void PaintEnabled(HWND hwnd, HDC dc, const ButtonXPLook& look,
                      const ButtonXPProperties& properties) const;
    void PaintDisabled(HWND hwnd, HDC dc, const ButtonXPLook& look,
                       const ButtonXPProperties& properties) const;
    void PaintCaption(HDC dc, const ButtonXPLook& look, const std::string& caption) const;
    static void PaintIcon(HDC dc, const ButtonXPLook& look, const ButtonPicture& picture, bool disabled);

    HFONT font_ = nullptr;
};

}  // namespace kforge
