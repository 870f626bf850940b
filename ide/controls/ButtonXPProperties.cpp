#include "ButtonXPProperties.h"

#include <limits>

namespace kforge {

namespace {

// The bag defaults; the colours marked differ from a new button's values.
constexpr std::uint32_t kDefaultHighlightBorderColor = 0x6B2408;  // new: the window text colour
constexpr std::uint32_t kDefaultHighlightBackColor = 0xD6BEB5;    // new: 0xD3BEB6
constexpr std::uint32_t kDefaultPressColor = 0xB59285;            // new: 0xB59386
constexpr std::uint32_t kDefaultBackColor = 0xD1D8DB;
constexpr std::uint32_t kDefaultCheckedColor = 0xE8D8D2;
constexpr std::int32_t kDefaultImageDisplacement = 1;
constexpr std::int32_t kDefaultImagePosition = 4;
constexpr std::int32_t kDefaultStyle = 1;
constexpr std::int32_t kDefaultTextOffset = 5;

// Colours are kept in the bag as 32-bit numbers.
std::int32_t ColourValue(std::uint32_t colour) { return static_cast<std::int32_t>(colour); }

std::uint32_t ReadColour(const PropertyBag& bag, const char* key, std::uint32_t defaultColour)
{
    return static_cast<std::uint32_t>(bag.Read<std::int32_t>(key, ColourValue(defaultColour)));
}

// A saved displacement that does not fit in 16 bits gives the default.
std::int16_t ReadDisplacement(const PropertyBag& bag)
{
    const std::int32_t value =
        bag.Read<std::int32_t>(ButtonXPKeys::kImageDisplacement, kDefaultImageDisplacement);
    const bool fits = value >= std::numeric_limits<std::int16_t>::min() &&
                      value <= std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(fits ? value : kDefaultImageDisplacement);
}

}  // namespace

ButtonXPProperties ButtonXPProperties::ReadFrom(const PropertyBag& bag)
{
    using namespace ButtonXPKeys;
    ButtonXPProperties properties;
    properties.highlightBorderColor = ReadColour(bag, kHighlightBorderColor, kDefaultHighlightBorderColor);
    properties.highlightBackColor = ReadColour(bag, kHighlightBackColor, kDefaultHighlightBackColor);
    properties.pressColor = ReadColour(bag, kPressColor, kDefaultPressColor);
    properties.backColor = ReadColour(bag, kBackColor, kDefaultBackColor);
    properties.imageDisplacement = ReadDisplacement(bag);
    properties.buttonIcon = ButtonPicture::FromBytes(bag.Read<std::vector<std::uint8_t>>(kButtonIcon, {}));
    properties.enabled = bag.Read<bool>(kEnabled, true);
    properties.imagePosition = bag.Read<std::int32_t>(kImagePosition, kDefaultImagePosition);
    properties.style = bag.Read<std::int32_t>(kStyle, kDefaultStyle);
    properties.checked = bag.Read<bool>(kChecked, false);
    properties.checkedColor = ReadColour(bag, kCheckedColor, kDefaultCheckedColor);
    properties.caption = bag.Read(kCaption, "");
    properties.textOffset = bag.Read<std::int32_t>(kTextOffset, kDefaultTextOffset);
    return properties;
}

void ButtonXPProperties::WriteTo(PropertyBag& bag) const
{
    using namespace ButtonXPKeys;
    bag.Write(kHighlightBorderColor, ColourValue(highlightBorderColor),
              ColourValue(kDefaultHighlightBorderColor));
    bag.Write(kHighlightBackColor, ColourValue(highlightBackColor), ColourValue(kDefaultHighlightBackColor));
    bag.Write(kPressColor, ColourValue(pressColor), ColourValue(kDefaultPressColor));
    bag.Write(kImageDisplacement, std::int32_t{imageDisplacement}, kDefaultImageDisplacement);
    // No default: a value of another kind never equals the picture's bytes.
    bag.Write(kButtonIcon, buttonIcon.ToBytes(), PropertyValue{});
    bag.Write(kEnabled, enabled, true);
    bag.Write(kStyle, style, kDefaultStyle);
    bag.Write(kBackColor, ColourValue(backColor), ColourValue(kDefaultBackColor));
    bag.Write(kImagePosition, imagePosition, kDefaultImagePosition);
    bag.Write(kChecked, checked, false);
    bag.Write(kCheckedColor, ColourValue(checkedColor), ColourValue(kDefaultCheckedColor));
    bag.Write(kCaption, caption, std::string());
    bag.Write(kTextOffset, textOffset, kDefaultTextOffset);
}

}  // namespace kforge
