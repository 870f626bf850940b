#pragma once
// The saved properties of a ButtonXP and their form in a property bag.
// Portable. A new button starts from the initial values; reading a bag
// takes each missing key's bag default, which for three colours differs
// from the initial value. Colours are 0x00BBGGRR, or 0x80000000 + n for
// system colour n.

#include <cstdint>
#include <string>

#include "ButtonPicture.h"
#include "PropertyBag.h"

namespace kforge {

struct ButtonXPProperties {
    std::string caption;
    bool checked = false;
    std::uint32_t checkedColor = 0xE8D8D2;
    std::int32_t textOffset = 5;     // the caption starts textOffset + 20 pixels from the left
    std::int32_t imagePosition = 4;  // the icon's distance from the left and top edges
    std::int32_t style = 1;          // 1 square tool button, 2 split button, 3 free size
    bool enabled = true;
    ButtonPicture buttonIcon = ButtonPicture::OpenFolder();
    std::uint32_t highlightBackColor = 0xD3BEB6;
    std::uint32_t pressColor = 0xB59386;
    std::uint32_t highlightBorderColor = 0x80000008;  // the system's window text colour
    std::uint32_t backColor = 0xD1D8DB;
    std::int16_t imageDisplacement = 1;  // how far the icon moves up and left when hot

    // The values that the keys of a bag give, each missing key its default.
    static ButtonXPProperties ReadFrom(const PropertyBag& bag);
    // Writes every value, in the saved order; one equal to its bag default
    // leaves its key out, except the picture, which is always written.
    void WriteTo(PropertyBag& bag) const;
};

// The bag keys, in the order a button writes them.
namespace ButtonXPKeys {
constexpr const char* kHighlightBorderColor = "HighlightBorderColor";
constexpr const char* kHighlightBackColor = "HighlightBackColor";
constexpr const char* kPressColor = "PressColor";
constexpr const char* kImageDisplacement = "DefinedImageDisplacement";
constexpr const char* kButtonIcon = "ButtonIcon";
constexpr const char* kEnabled = "Enabled";
constexpr const char* kStyle = "Style";
constexpr const char* kBackColor = "BackColor";
constexpr const char* kImagePosition = "ImagePosition";
constexpr const char* kChecked = "Checked";
constexpr const char* kCheckedColor = "CheckedColor";
constexpr const char* kCaption = "Caption";
constexpr const char* kTextOffset = "TextOffset";
}  // namespace ButtonXPKeys

}  // namespace kforge
