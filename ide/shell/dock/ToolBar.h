#pragma once
// The docking host's tool bar "StandartBar": a comctl32 tool bar with the
// buttons of ToolBarSpec and the "BuildPage" combo embedded in it. Each
// button shows its picture of the program's strip TOOLSTRIP, the magenta of
// the strip showing the bar's button face; a disabled button shows its
// picture washed out to grey. Clicks reach the parent as WM_COMMAND with
// the button's id.

#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <functional>
#include <string>

namespace kforge {

class ToolBar {
public:
    ToolBar() = default;
    ToolBar(const ToolBar&) = delete;
    ToolBar& operator=(const ToolBar&) = delete;
    ~ToolBar();

    // idOf gives each key's command id.
    bool Create(HWND parent, const std::function<UINT(const std::string&)>& idOf);
    HWND Hwnd() const { return toolBar_; }
    HWND Combo() const { return combo_; }
    int Height() const;

    // Nothing for an id without a button.
    void SetButton(UINT id, bool enabled, bool checked);
    void EnableCombo(bool enabled) { EnableWindow(combo_, enabled); }
    // The button's rectangle in the tool bar's client pixels; empty for none.
    RECT ButtonRect(UINT id) const;

    std::string ComboText() const;
    // Selects the choice of that text; false (selection kept) when absent.
    bool SelectComboText(const std::string& text);

private:
    bool SetPictures();
    bool AddButtons(const std::function<UINT(const std::string&)>& idOf);
    bool CreateCombo(int buttonIndex);

    HWND toolBar_ = nullptr;
    HWND combo_ = nullptr;
    HIMAGELIST pictures_ = nullptr;
    HIMAGELIST disabledPictures_ = nullptr;
};

}  // namespace kforge
