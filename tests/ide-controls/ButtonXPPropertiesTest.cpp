#include "ButtonXPProperties.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kforge {
namespace {

using namespace ButtonXPKeys;

// Where a key, with its length in front of it as the encoding has it,
// appears in a bag's encoding; npos when absent. The length keeps a key
// from being found inside a longer one.
size_t KeyOffset(const PropertyBag& bag, const std::string& key)
{
    const std::vector<std::uint8_t> bytes = bag.ToBytes();
    std::vector<std::uint8_t> entry = {static_cast<std::uint8_t>(key.size()), 0, 0, 0};
    entry.insert(entry.end(), key.begin(), key.end());
    auto found = std::search(bytes.begin(), bytes.end(), entry.begin(), entry.end());
    return found == bytes.end() ? std::string::npos : static_cast<size_t>(found - bytes.begin());
}

ButtonXPProperties Changed()
{
    ButtonXPProperties p;
    p.caption = "Add Task";
    p.checked = true;
    p.checkedColor = 0x102030;
    p.textOffset = 9;
    p.imagePosition = 2;
    p.style = 3;
    p.enabled = false;
    p.buttonIcon = ButtonPicture(1, 1, {0x0000FF});
    p.highlightBackColor = 0x111111;
    p.pressColor = 0x222222;
    p.highlightBorderColor = 0x80000010;
    p.backColor = 0x333333;
    p.imageDisplacement = -3;
    return p;
}

void ExpectSame(const ButtonXPProperties& a, const ButtonXPProperties& b)
{
    EXPECT_EQ(a.caption, b.caption);
    EXPECT_EQ(a.checked, b.checked);
    EXPECT_EQ(a.checkedColor, b.checkedColor);
    EXPECT_EQ(a.textOffset, b.textOffset);
    EXPECT_EQ(a.imagePosition, b.imagePosition);
    EXPECT_EQ(a.style, b.style);
    EXPECT_EQ(a.enabled, b.enabled);
    EXPECT_EQ(a.buttonIcon, b.buttonIcon);
    EXPECT_EQ(a.highlightBackColor, b.highlightBackColor);
    EXPECT_EQ(a.pressColor, b.pressColor);
    EXPECT_EQ(a.highlightBorderColor, b.highlightBorderColor);
    EXPECT_EQ(a.backColor, b.backColor);
    EXPECT_EQ(a.imageDisplacement, b.imageDisplacement);
}

TEST(ButtonXPProperties, RoundTripThroughTheBagAndItsBytes)
{
    for (const ButtonXPProperties& original : {Changed(), ButtonXPProperties()}) {
        PropertyBag bag;
        original.WriteTo(bag);
        ExpectSame(ButtonXPProperties::ReadFrom(PropertyBag::FromBytes(bag.ToBytes())), original);
    }
}

TEST(ButtonXPProperties, WritesInTheSavedOrder)
{
    PropertyBag bag;
    Changed().WriteTo(bag);
    const std::vector<const char*> order = {kHighlightBorderColor,
                                            kHighlightBackColor,
                                            kPressColor,
                                            kImageDisplacement,
                                            kButtonIcon,
                                            kEnabled,
                                            kStyle,
                                            kBackColor,
                                            kImagePosition,
                                            kChecked,
                                            kCheckedColor,
                                            kCaption,
                                            kTextOffset};
    for (size_t i = 1; i < order.size(); ++i) {
        EXPECT_LT(KeyOffset(bag, order[i - 1]), KeyOffset(bag, order[i]))
            << order[i - 1] << " before " << order[i];
    }
}

TEST(ButtonXPProperties, ValuesEqualToTheBagDefaultsAreLeftOutButThePicture)
{
    PropertyBag bag;
    ButtonXPProperties::ReadFrom(PropertyBag()).WriteTo(bag);
    for (const char* key :
         {kHighlightBorderColor, kHighlightBackColor, kPressColor, kImageDisplacement, kEnabled, kStyle,
          kBackColor, kImagePosition, kChecked, kCheckedColor, kCaption, kTextOffset}) {
        EXPECT_EQ(KeyOffset(bag, key), std::string::npos) << key;
    }
    EXPECT_NE(KeyOffset(bag, kButtonIcon), std::string::npos);
}

TEST(ButtonXPProperties, ANewButtonsColoursDifferFromTheBagDefaults)
{
    // Saved unchanged, a new button keeps the three colours whose initial
    // values are not their bag defaults.
    PropertyBag bag;
    ButtonXPProperties().WriteTo(bag);
    for (const char* key : {kHighlightBorderColor, kHighlightBackColor, kPressColor}) {
        EXPECT_NE(KeyOffset(bag, key), std::string::npos) << key;
    }
    EXPECT_EQ(KeyOffset(bag, kBackColor), std::string::npos);
}

TEST(ButtonXPProperties, AnEmptyBagGivesTheBagDefaultsAndNoPicture)
{
    const ButtonXPProperties p = ButtonXPProperties::ReadFrom(PropertyBag());
    EXPECT_EQ(p.highlightBorderColor, 0x6B2408u);
    EXPECT_EQ(p.highlightBackColor, 0xD6BEB5u);
    EXPECT_EQ(p.pressColor, 0xB59285u);
    EXPECT_EQ(p.backColor, 0xD1D8DBu);
    EXPECT_EQ(p.style, 1);
    EXPECT_TRUE(p.enabled);
    EXPECT_TRUE(p.buttonIcon.Empty());
    EXPECT_FALSE(ButtonXPProperties().buttonIcon.Empty());
}

TEST(ButtonXPProperties, DisplacementIsReadFromItsSavedKeyOnly)
{
    PropertyBag bag;
    bag.Write("ImageDisplacement", std::int32_t{7}, PropertyValue{});
    EXPECT_EQ(ButtonXPProperties::ReadFrom(bag).imageDisplacement, 1);
    bag.Write("definedimagedisplacement", std::int32_t{5}, PropertyValue{});
    EXPECT_EQ(ButtonXPProperties::ReadFrom(bag).imageDisplacement, 5);
    bag.Write(kImageDisplacement, std::int32_t{70000}, PropertyValue{});
    EXPECT_EQ(ButtonXPProperties::ReadFrom(bag).imageDisplacement, 1);
}

TEST(ButtonXPProperties, ValuesOfAnotherKindGiveTheDefault)
{
    PropertyBag bag;
    bag.Write(kStyle, std::string("2"), PropertyValue{});
    bag.Write(kCaption, std::int32_t{4}, PropertyValue{});
    bag.Write(kButtonIcon, std::string("picture"), PropertyValue{});
    const ButtonXPProperties p = ButtonXPProperties::ReadFrom(bag);
    EXPECT_EQ(p.style, 1);
    EXPECT_EQ(p.caption, "");
    EXPECT_TRUE(p.buttonIcon.Empty());
}

}  // namespace
}  // namespace kforge
