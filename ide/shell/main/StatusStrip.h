#pragma once
// The docking host's status strip "StatusBar": a comctl32 status bar with
// three fields, the first and the last of fixed width and the middle one
// taking the rest. Field 0 is the main window's status text ("Ready").

#include <windows.h>

#include <string>

namespace kforge {

class StatusStrip {
public:
    StatusStrip() = default;
    StatusStrip(const StatusStrip&) = delete;
    StatusStrip& operator=(const StatusStrip&) = delete;

    bool Create(HWND parent);
    HWND Hwnd() const { return bar_; }
    int Height() const;
    // Places the strip along the bottom of a client area of that size.
    void Place(int width, int bottom);

    void SetText(int field, const std::string& text);
    std::string Text(int field) const;

private:
    HWND bar_ = nullptr;
};

}  // namespace kforge
