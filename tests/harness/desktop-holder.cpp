// desktop-holder
//
// Runs under Wine for the whole of a test session: it opens the session's
// desktop (on the DISPLAY it was started with) and then waits until the
// wineserver ends it. Wine ends its desktop process a few seconds after the
// last program that uses it, and the next program to need a desktop starts a
// new one with its own environment; a console test, which runs without
// DISPLAY, would then leave every later window of the session without a
// display. While this program lives, the first desktop stays.
#include <windows.h>

int main()
{
    if (!GetDesktopWindow()) return 1;
    Sleep(INFINITE);
    return 0;
}
