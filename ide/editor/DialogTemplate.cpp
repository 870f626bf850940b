#include "DialogTemplate.h"

namespace kforge {

namespace {

constexpr uint16_t kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;

}  // namespace

DialogTemplate::DialogTemplate(const std::string& title, int width, int height)
{
    Add32(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
    Add32(0);
    countOffset_ = bytes_.size();
    Add16(0);
    Add16(0);
    Add16(0);
    Add16(static_cast<uint16_t>(width));
    Add16(static_cast<uint16_t>(height));
    Add16(0);  // no menu
    Add16(0);  // the standard class
    AddText(title);
    Add16(8);
    AddText("MS Shell Dlg");
}

void DialogTemplate::Add16(uint16_t value)
{
    bytes_.push_back(static_cast<uint8_t>(value));
    bytes_.push_back(static_cast<uint8_t>(value >> 8));
}

void DialogTemplate::Add32(uint32_t value)
{
    Add16(static_cast<uint16_t>(value));
    Add16(static_cast<uint16_t>(value >> 16));
}

void DialogTemplate::AddText(const std::string& text)
{
    for (unsigned char c : text) { Add16(c); }
    Add16(0);
}

void DialogTemplate::Align()
{
    while (bytes_.size() % 4) { bytes_.push_back(0); }
}

void DialogTemplate::AddItem(uint16_t classAtom, const std::string& text, int id, DWORD style, int x, int y,
                             int cx, int cy)
{
    Align();
    Add32(style | WS_CHILD | WS_VISIBLE);
    Add32(0);
    Add16(static_cast<uint16_t>(x));
    Add16(static_cast<uint16_t>(y));
    Add16(static_cast<uint16_t>(cx));
    Add16(static_cast<uint16_t>(cy));
    Add16(static_cast<uint16_t>(id));
    Add16(0xFFFF);
    Add16(classAtom);
    AddText(text);
    Add16(0);  // no creation data
    ++itemCount_;
    bytes_[countOffset_] = static_cast<uint8_t>(itemCount_);
    bytes_[countOffset_ + 1] = static_cast<uint8_t>(itemCount_ >> 8);
}

void DialogTemplate::AddButton(const std::string& text, int id, int x, int y, int cx, int cy, bool isDefault)
{
    AddItem(kButton, text, id, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), x, y, cx, cy);
}

void DialogTemplate::AddCheckBox(const std::string& text, int id, int x, int y, int cx, int cy)
{
    AddItem(kButton, text, id, WS_TABSTOP | BS_AUTOCHECKBOX, x, y, cx, cy);
}

void DialogTemplate::AddRadio(const std::string& text, int id, int x, int y, int cx, int cy,
                              bool firstOfGroup)
{
    AddItem(kButton, text, id, BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0), x, y, cx, cy);
}

void DialogTemplate::AddEdit(int id, int x, int y, int cx, int cy, DWORD extraStyle)
{
    AddItem(kEdit, "", id, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | extraStyle, x, y, cx, cy);
}

void DialogTemplate::AddLabel(const std::string& text, int x, int y, int cx, int cy)
{
    AddItem(kStatic, text, -1, SS_LEFT, x, y, cx, cy);
}

INT_PTR DialogTemplate::Run(HWND owner, DLGPROC proc, LPARAM param) const
{
    std::vector<uint8_t> copy = bytes_;
    copy.resize(copy.size() + 4);  // DWORD-aligned storage for the record
    HWND root = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()),
                                   root, proc, param);
}

}  // namespace kforge
