#pragma once
// A dialog template built in memory, for the editor's small modal dialogs
// (the editor library has no resource file). Units are dialog units.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kforge {

class DialogTemplate {
public:
    DialogTemplate(const std::string& title, int width, int height);

    void AddButton(const std::string& text, int id, int x, int y, int cx, int cy, bool isDefault = false);
    void AddCheckBox(const std::string& text, int id, int x, int y, int cx, int cy);
    void AddRadio(const std::string& text, int id, int x, int y, int cx, int cy, bool firstOfGroup);
    void AddEdit(int id, int x, int y, int cx, int cy, DWORD extraStyle = 0);
    void AddLabel(const std::string& text, int x, int y, int cx, int cy);

    // Runs the dialog modally; the result of EndDialog, or -1.
    INT_PTR Run(HWND owner, DLGPROC proc, LPARAM param) const;

private:
    void AddItem(uint16_t classAtom, const std::string& text, int id, DWORD style, int x, int y, int cx,
                 int cy);
    void AddText(const std::string& text);
    void Align();
    void Add16(uint16_t value);
    void Add32(uint32_t value);

    std::vector<uint8_t> bytes_;
    uint16_t itemCount_ = 0;
    size_t countOffset_ = 0;
};

}  // namespace kforge
