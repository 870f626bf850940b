#pragma once
// Screen units, fonts and colours shared by the IDE's windows.

#include <windows.h>

#include <cstdint>
#include <string>

namespace kforge {

// Twips per screen pixel: 1440 / the screen's pixels per inch (15 at 96 dpi).
int TwipsPerPixelX();
int TwipsPerPixelY();
// A layout length given in twips, in screen pixels.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);

// A font of face at points (8.25 allowed) for the screen; the caller owns it
// (DeleteObject). fixed asks for FIXED_PITCH|FF_MODERN, the only request
// that gets a monospace face when the named face is absent.
HFONT MakeFont(const std::string& face, double points, bool bold, bool fixed);

// An OLE colour as a COLORREF: 0x80000000 + n is system colour n
// (GetSysColor(n)); any other value is a colour already.
COLORREF ResolveColor(uint32_t oleColor);

}  // namespace kforge
