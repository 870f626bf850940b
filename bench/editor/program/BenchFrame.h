#pragma once
// The benchmark's top-level window: the text windows under test sit in its
// client area above a status line. To the editor document it stands in for
// the main window: the status text goes to that line (so a keystroke pays
// for the status repaint it causes in the shell); the command refresh and
// the popup do nothing.

#include <windows.h>

#include "IDocumentHost.h"
#include "Window.h"

namespace kforge {

class BenchFrame : public Window, public IDocumentHost {
public:
    static constexpr const char* kTitle = "kforge editor bench";

    BenchFrame() = default;
    ~BenchFrame() override;
    // Creates and shows the window at the screen's top left.
    bool CreateMain(int width, int height);
    // Where a text window goes: the client area above the status line, cut
    // into `count` side-by-side columns; `index` picks one.
    RECT TextArea(int index, int count) const;

    void UpdateUI(bool) override {}
    void SetStatus1(const std::string& text) override;
    void ShowEditPopup() override {}

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    int StatusHeight() const;
    void PlaceStatus();

    HWND status_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace kforge
