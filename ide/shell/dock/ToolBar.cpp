#include "ToolBar.h"

#include <commctrl.h>

#include <vector>

#include "DockMenus.h"

namespace kforge {

namespace {

constexpr int kComboWidth = 130;
constexpr int kComboDropHeight = 120;

}  // namespace

bool ToolBar::Create(HWND parent, const std::function<UINT(const std::string&)>& idOf)
{
    toolBar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_LIST |
                                   TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                               0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!toolBar_) { return false; }
    SendMessageA(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolBar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageA(toolBar_, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard));
    return AddButtons(idOf);
}

bool ToolBar::AddButtons(const std::function<UINT(const std::string&)>& idOf)
{
    const std::vector<ToolButtonSpec>& specs = ToolBarSpec();
    int comboIndex = -1;
    for (const ToolButtonSpec& spec : specs) {
        TBBUTTON button{};
        button.fsState = TBSTATE_ENABLED;
        switch (spec.kind) {
            case ToolButtonKind::Separator:
                button.fsStyle = BTNS_SEP;
                break;
            case ToolButtonKind::Combo:
                button.fsStyle = BTNS_SEP;
                button.iBitmap = kComboWidth;  // a separator's width
                button.idCommand = static_cast<int>(idOf(spec.key));
                comboIndex = static_cast<int>(SendMessageA(toolBar_, TB_BUTTONCOUNT, 0, 0));
                break;
            case ToolButtonKind::Button:
                button.idCommand = static_cast<int>(idOf(spec.key));
                button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | (spec.picture < 0 ? BTNS_SHOWTEXT : 0);
                button.iBitmap = spec.picture < 0 ? I_IMAGENONE : spec.picture;
                button.iString = reinterpret_cast<INT_PTR>(spec.caption.c_str());
                break;
        }
        if (!SendMessageA(toolBar_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button))) { return false; }
    }
    SendMessageA(toolBar_, TB_AUTOSIZE, 0, 0);
    return comboIndex < 0 || CreateCombo(comboIndex);
}

bool ToolBar::CreateCombo(int buttonIndex)
{
    RECT slot{};
    SendMessageA(toolBar_, TB_GETITEMRECT, buttonIndex, reinterpret_cast<LPARAM>(&slot));
    combo_ = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST,
                             slot.left, slot.top + 1, kComboWidth, kComboDropHeight, toolBar_, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    if (!combo_) { return false; }
    SendMessageA(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    for (const std::string& page : BuildPages()) {
        SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(page.c_str()));
    }
    SendMessageA(combo_, CB_SETCURSEL, 0, 0);
    return true;
}

int ToolBar::Height() const
{
    RECT rc{};
    SendMessageA(toolBar_, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rc));
    return rc.bottom + 2;
}

void ToolBar::SetButton(UINT id, bool enabled, bool checked)
{
    if (SendMessageA(toolBar_, TB_COMMANDTOINDEX, id, 0) < 0) { return; }
    const LPARAM state = (enabled ? TBSTATE_ENABLED : 0) | (checked ? TBSTATE_CHECKED : 0);
    SendMessageA(toolBar_, TB_SETSTATE, id, MAKELPARAM(state, 0));
}

RECT ToolBar::ButtonRect(UINT id) const
{
    RECT rc{};
    SendMessageA(toolBar_, TB_GETRECT, id, reinterpret_cast<LPARAM>(&rc));
    return rc;
}

std::string ToolBar::ComboText() const
{
    const LRESULT index = SendMessageA(combo_, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) { return ""; }
    const LRESULT length = SendMessageA(combo_, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) { return ""; }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(combo_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

bool ToolBar::SelectComboText(const std::string& text)
{
    const LRESULT index = SendMessageA(combo_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    if (index == CB_ERR) { return false; }
    SendMessageA(combo_, CB_SETCURSEL, index, 0);
    return true;
}

}  // namespace kforge
