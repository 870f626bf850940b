#pragma once
// The base of the IDE's modal dialogs. Each show creates the window anew,
// so its load handler (OnLoad) runs every time, and destroys it at the end.
// While it shows, the owner is disabled and a modal loop gives the
// dialog's keyboard through IsDialogMessageA: Tab moves between controls,
// Enter sends the default id (IDOK unless SetDefaultId says otherwise),
// Escape sends IDCANCEL; the close box runs OnClose (IDCANCEL by default).
// A dialog's controls are its children, made by AddControl with the
// dialog's font.

#include <windows.h>

#include <string>

#include "Window.h"

namespace kforge {

class ModalDialog : public Window {
public:
    ~ModalDialog() override;

    // Shows the dialog over owner (may be null) until EndModal, and
    // returns EndModal's result: IDCANCEL when the window could not be
    // made, when the program is told to quit, or when the dialog shows
    // already.
    int ShowModal(HWND owner);

protected:
    // clientWidth and clientHeight in pixels.
    ModalDialog(std::string caption, int clientWidth, int clientHeight);

    // The window-load handler: makes the controls and fills them.
    virtual void OnLoad() = 0;
    // The window is about to be destroyed (its controls still exist).
    virtual void OnUnload() {}
    // A control's WM_COMMAND, or IDOK / IDCANCEL from the dialog keys.
    virtual void OnCommand(int id, int notifyCode, HWND control);
    // The close box and Alt+F4; the default sends IDCANCEL.
    virtual void OnClose();

    // Ends the modal loop; ShowModal returns result.
    void EndModal(int result);
    // The id that Enter sends.
    void SetDefaultId(int id) { defaultId_ = id; }

    // A child control with the dialog's font, placed in client pixels.
    HWND AddControl(const char* className, const std::string& text, DWORD style, const RECT& rect, int id,
                    DWORD exStyle = 0);
    HFONT Font() const { return font_; }

    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateDialogWindow(HWND owner);
    void FocusFirstControl();
    void RunModalLoop();

    std::string caption_;
    int clientWidth_;
    int clientHeight_;
    HFONT font_ = nullptr;
    int defaultId_ = IDOK;
    int result_ = IDCANCEL;
    bool ended_ = false;
};

}  // namespace kforge
