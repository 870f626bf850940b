#pragma once
// The IDE's flat push button: a child window of class "KButtonXP" that draws
// itself completely (ButtonXPPainter). A flat face in BackColor, a hot face
// with a border while the cursor rests on it (polled by a 100 ms timer), a
// pressed face while the left button is held on it, an optional checked
// face, a 16 x 16 icon and a one-line caption. Style 2 makes it a split
// button whose right-hand strip raises onMenuClick instead of onClick.
//
// A release on the button raises onMouseUp and then onClick (or onMenuClick)
// even when the press happened elsewhere: the button never captures the
// mouse. It takes no keyboard focus.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "ButtonXPLook.h"
#include "ButtonXPPainter.h"
#include "ButtonXPProperties.h"
#include "PropertyBag.h"
#include "Window.h"

namespace kforge {

class ButtonXP : public Window {
public:
    static constexpr UINT_PTR kHoverTimer = 101;
    static constexpr UINT kHoverMilliseconds = 100;

    // A visible child of parent at rc; a style other than 3 imposes its size.
    ButtonXP(HWND parent, int id, const RECT& rc, int style = 1);

    // Each setter stores the value, tells PropertyChanged and repaints the
    // normal face.
    const std::string& Caption() const { return properties_.caption; }
    void SetCaption(const std::string& newValue);
    bool Checked() const { return properties_.checked; }
    void SetChecked(bool newValue);
    std::uint32_t CheckedColor() const { return properties_.checkedColor; }
    void SetCheckedColor(std::uint32_t newValue);
    std::int32_t TextOffset() const { return properties_.textOffset; }
    void SetTextOffset(std::int32_t newValue);
    std::int32_t ImagePosition() const { return properties_.imagePosition; }
    void SetImagePosition(std::int32_t newValue);
    std::int32_t Style() const { return properties_.style; }
    void SetStyle(std::int32_t newValue);  // also applies the size rule
    bool Enabled() const { return properties_.enabled; }
    void SetEnabled(bool newValue);  // also enables or disables the window
    const ButtonPicture& ButtonIcon() const { return properties_.buttonIcon; }
    void SetButtonIcon(const ButtonPicture& newValue);
    // The pixels are taken over at once; the caller keeps the handle.
    void SetButtonIcon(HICON newValue);
    void SetButtonIcon(HBITMAP newValue);
    std::uint32_t HighlightBackColor() const { return properties_.highlightBackColor; }
    void SetHighlightBackColor(std::uint32_t newValue);
    std::uint32_t PressColor() const { return properties_.pressColor; }
    void SetPressColor(std::uint32_t newValue);
    std::uint32_t HighlightBorderColor() const { return properties_.highlightBorderColor; }
    void SetHighlightBorderColor(std::uint32_t newValue);
    std::uint32_t BackColor() const { return properties_.backColor; }
    void SetBackColor(std::uint32_t newValue);  // also the window's background
    std::int16_t ImageDisplacement() const { return properties_.imageDisplacement; }
    void SetImageDisplacement(std::int16_t newValue);

    // Takes every property from a saved bag (missing keys give their bag
    // defaults), then applies Enabled and the size rule and repaints.
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // Draws the whole button in a ButtonXPState.
    void Redraw(int state);
    void DrawDisabledIcon(HDC dc, int width, int height)
    {
        ButtonXPPainter::DrawDisabledIcon(dc, width, height);
    }

    std::function<void()> onClick;
    std::function<void()> onMenuClick;
    std::function<void(int cx, int cy)> onMouseDown;
    std::function<void(int cx, int cy)> onMouseUp;

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnButtonDown(LPARAM lParam);
    void OnButtonUp(LPARAM lParam);
    void OnShowWindow(WPARAM shown);
    void OnHoverTick();
    void EraseBackground(HDC dc) const;
    void ApplySizeRule();
    void Changed(const char* name);
    // Stores a property's new value and reports the change.
    template<typename T> void Assign(T& property, const T& newValue, const char* name)
    {
        property = newValue;
        Changed(name);
    }

    ButtonXPProperties properties_;
    ButtonXPPainter painter_;
    COLORREF background_ = 0;  // what WM_ERASEBKGND fills with
    bool hover_ = false;       // the hot face shows because the cursor is on the button
    bool pressed_ = false;     // from a press on the button to the next release on it
    bool arrow_ = false;       // the last release was in the arrow strip
    bool sizing_ = false;      // the size rule is resizing the window
};

}  // namespace kforge
