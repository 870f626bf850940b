#pragma once
// The Help pane: a fixed panel of the docking host. A title strip holds
// the label "Help Pane" (Tahoma) and the picture Image1, which the pane
// keeps 100 twips from its right edge on every resize (a pane narrower
// than the picture pushes it out of view on the left); a separator line
// runs under the strip. Image1 is the bitmap resource "HELP_IMAGE"; when
// it is missing the picture draws nothing.

#include <windows.h>

#include "Window.h"

namespace kforge {

class HelpPane : public Window {
public:
    HelpPane(HWND parent, const RECT& rc);
    ~HelpPane() override;

    // Replaces the picture; the pane owns it from here. Null leaves the
    // place empty.
    void SetPicture(HBITMAP picture);
    HWND PictureWindow() const { return image_; }

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    void Layout(int width);

    HFONT font_ = nullptr;
    HBITMAP picture_ = nullptr;
    HWND label_ = nullptr;
    HWND line_ = nullptr;
    HWND image_ = nullptr;
};

}  // namespace kforge
