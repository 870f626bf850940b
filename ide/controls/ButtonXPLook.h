#pragma once
// What a ButtonXP draws for a state, worked out from its properties:
// colours, where the icon and the caption go, the split strip and its
// arrow, and the sizes its Style imposes. Portable; ButtonXPPainter draws it.

#include <cstdint>
#include <vector>

#include "ButtonXPProperties.h"

namespace kforge {

// The states a button is drawn in.
enum ButtonXPState : int { kStateNormal = 0, kStateHot = 1, kStatePressed = 2 };

// The width of a split button's arrow strip, in pixels.
constexpr int kArrowStripWidth = 10;

struct ButtonXPLook {
    bool enabled = true;                 // a disabled look has no border, strip or arrow
    bool split = false;                  // the strip and its arrow are drawn
    std::uint32_t border = 0;            // pen of the border rectangles
    std::uint32_t face = 0;              // fill of the face
    std::uint32_t holder = 0;            // background of the icon and arrow pictures
    std::uint32_t windowBackground = 0;  // what the window's background becomes
    std::uint32_t text = 0;              // caption colour
    int iconX = 0, iconY = 0;
    int captionX = 0, captionY = 0;
};

ButtonXPLook LookFor(const ButtonXPProperties& properties, int state);

struct PixelPoint {
    int x = 0, y = 0;
    bool operator==(const PixelPoint& other) const { return x == other.x && y == other.y; }
};

// The black pixels of a split button's drop-down arrow for a client width.
std::vector<PixelPoint> ArrowPixels(int clientWidth);

// Whether a release at cx lies in the arrow strip of a button that wide.
bool InArrowStrip(int cx, int clientWidth);

struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize& other) const { return width == other.width && height == other.height; }
};

// The size a button of style gets from its current size: style 3 keeps it;
// any other style is 19 pixels high, style 1 also 19 wide, style 2 30 wide.
PixelSize SizeForStyle(int style, PixelSize current);

// The cursor position of a mouse message's position value, relative to the
// control: cx the low 16 bits read unsigned, cy the 32-bit value divided by
// 65536 with truncation toward zero.
PixelPoint CursorFromPosition(std::int64_t lParam);

}  // namespace kforge
