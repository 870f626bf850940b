#include "ButtonXPLook.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kforge {
namespace {

// Distinct colours, so that each look names the property it comes from.
ButtonXPProperties Distinct(bool checked, bool enabled, int style = 3)
{
    ButtonXPProperties p;
    p.checked = checked;
    p.enabled = enabled;
    p.style = style;
    p.backColor = 0x000001;
    p.checkedColor = 0x000002;
    p.highlightBackColor = 0x000003;
    p.pressColor = 0x000004;
    p.highlightBorderColor = 0x000005;
    p.imagePosition = 6;
    p.imageDisplacement = 2;
    p.textOffset = 7;
    return p;
}

struct LookCase {
    const char* what;
    bool checked, enabled;
    int state;
    std::uint32_t border, face, holder, window, text;
    int icon, captionX, captionY;
};

class LookForTest : public testing::TestWithParam<LookCase> {};

TEST_P(LookForTest, ColoursAndPlaces)
{
    const LookCase& c = GetParam();
    const ButtonXPLook look = LookFor(Distinct(c.checked, c.enabled), c.state);
    EXPECT_EQ(look.enabled, c.enabled) << c.what;
    if (c.enabled) { EXPECT_EQ(look.border, c.border) << c.what; }
    EXPECT_EQ(look.face, c.face) << c.what;
    EXPECT_EQ(look.holder, c.holder) << c.what;
    EXPECT_EQ(look.windowBackground, c.window) << c.what;
    EXPECT_EQ(look.text, c.text) << c.what;
    EXPECT_EQ(look.iconX, c.icon) << c.what;
    EXPECT_EQ(look.iconY, c.icon) << c.what;
    EXPECT_EQ(look.captionX, c.captionX) << c.what;
    EXPECT_EQ(look.captionY, c.captionY) << c.what;
}

// Back 1, checked 2, highlight back 3, press 4, border 5; icon at 6, moved
// 2 when hot; caption at 7 + 20.
INSTANTIATE_TEST_SUITE_P(
    Cases, LookForTest,
    testing::Values(LookCase{"normal: no visible border", false, true, 0, 1, 1, 1, 1, 0, 6, 27, 3},
                    LookCase{"normal, checked", true, true, 0, 5, 2, 2, 2, 0, 6, 27, 3},
                    LookCase{"hot", false, true, 1, 5, 3, 3, 1, 0, 4, 26, 2},
                    LookCase{"hot, checked makes no difference", true, true, 1, 5, 3, 3, 1, 0, 4, 26, 2},
                    LookCase{"pressed", false, true, 2, 5, 4, 4, 1, 0, 6, 27, 3},
                    LookCase{"pressed, checked makes no difference", true, true, 2, 5, 4, 4, 1, 0, 6, 27, 3},
                    LookCase{"disabled, whatever the state", true, false, 1, 0, 1, 1, 1, 0x808080, 6, 27, 3},
                    LookCase{"disabled, pressed", false, false, 2, 0, 1, 1, 1, 0x808080, 6, 27, 3}));

TEST(LookFor, OnlyAnEnabledStyleTwoButtonIsSplit)
{
    EXPECT_TRUE(LookFor(Distinct(false, true, 2), 0).split);
    EXPECT_FALSE(LookFor(Distinct(false, false, 2), 0).split);
    EXPECT_FALSE(LookFor(Distinct(false, true, 1), 1).split);
}

TEST(LookFor, ZeroDisplacementMovesOnlyTheCaptionWhenHot)
{
    ButtonXPProperties p = Distinct(false, true);
    p.imageDisplacement = 0;
    const ButtonXPLook normal = LookFor(p, 0), hot = LookFor(p, 1);
    EXPECT_EQ(hot.iconX, normal.iconX);
    EXPECT_EQ(hot.captionX, normal.captionX - 1);
    EXPECT_EQ(hot.captionY, normal.captionY - 1);
}

TEST(ArrowPixels, ATriangleOfNinePixelsRightOfTheStripBorder)
{
    const int width = 30;
    const std::vector<PixelPoint> expected = {{22, 8}, {23, 8}, {24, 8}, {25, 8}, {26, 8},
                                              {23, 9}, {24, 9}, {25, 9}, {24, 10}};
    EXPECT_EQ(ArrowPixels(width), expected);
}

TEST(InArrowStrip, TheLastEightColumns)
{
    EXPECT_FALSE(InArrowStrip(30 - 9, 30));
    EXPECT_TRUE(InArrowStrip(30 - 8, 30));
    EXPECT_FALSE(InArrowStrip(0, 30));
}

TEST(SizeForStyle, ImposedSizes)
{
    const PixelSize current{100, 40};
    EXPECT_EQ(SizeForStyle(1, current), (PixelSize{19, 19}));
    EXPECT_EQ(SizeForStyle(2, current), (PixelSize{30, 19}));
    EXPECT_EQ(SizeForStyle(3, current), current);
    EXPECT_EQ(SizeForStyle(7, current), (PixelSize{100, 19}));
}

TEST(CursorFromPosition, LowWordUnsignedHighPartTruncatedTowardZero)
{
    struct Case {
        std::int64_t lParam;
        int cx, cy;
    };
    for (const Case& c : {Case{0x00070005, 5, 7}, Case{0xFFFF0005, 5, 0}, Case{0xFFFEFFFF, 0xFFFF, -1},
                          Case{0x0003FFFF, 0xFFFF, 3}, Case{0x1FFFF00010005LL, 5, 1}}) {
        const PixelPoint point = CursorFromPosition(c.lParam);
        EXPECT_EQ(point.x, c.cx) << std::hex << c.lParam;
        EXPECT_EQ(point.y, c.cy) << std::hex << c.lParam;
    }
}

}  // namespace
}  // namespace kforge
