#include "SearchDialog.h"

#include <vector>

#include "Boundary.h"
#include "CodeEdit.h"
#include "DialogTemplate.h"

namespace kforge {

namespace {

std::string ItemText(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(item)) + 1, '\0');
    GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
    return text.data();
}

}  // namespace

SearchDialog::SearchDialog(CodeEdit& editor, const SearchSpec& spec, bool replace)
    : editor_(editor), spec_(spec), replace_(replace)
{
}

void SearchDialog::Run(HWND owner)
{
    DialogTemplate form(replace_ ? "Replace" : "Find", 260, replace_ ? 92 : 76);
    form.AddLabel("Fi&nd what:", 6, 9, 48, 8);
    form.AddEdit(kWhat, 56, 7, 136, 12);
    int y = 26;
    if (replace_) {
        form.AddLabel("Re&place with:", 6, 27, 48, 8);
        form.AddEdit(kWith, 56, 25, 136, 12);
        y = 44;
    }
    form.AddCheckBox("Match &case", kMatchCase, 6, y, 70, 10);
    form.AddCheckBox("Match &whole word only", kWholeWord, 6, y + 14, 100, 10);
    if (!replace_) {
        form.AddRadio("&Up", kUp, 112, y, 30, 10, true);
        form.AddRadio("&Down", kDown, 146, y, 36, 10, false);
    }
    form.AddButton("&Find Next", IDOK, 200, 6, 54, 14, true);
    if (replace_) {
        form.AddButton("&Replace", kReplace, 200, 24, 54, 14);
        form.AddButton("Replace &All", kReplaceAll, 200, 42, 54, 14);
    }
    form.AddButton("Cancel", IDCANCEL, 200, replace_ ? 60 : 24, 54, 14);
    form.Run(owner, Proc, reinterpret_cast<LPARAM>(this));
}

void SearchDialog::Init(HWND dialog)
{
    SetDlgItemTextA(dialog, kWhat, spec_.what.c_str());
    SetDlgItemTextA(dialog, kWith, spec_.with.c_str());
    CheckDlgButton(dialog, kMatchCase, spec_.matchCase ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, kWholeWord, spec_.wholeWord ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(dialog, kUp, kDown, spec_.up ? kUp : kDown);
    SendDlgItemMessageA(dialog, kWhat, EM_SETSEL, 0, -1);
}

void SearchDialog::ReadSpec(HWND dialog)
{
    spec_.what = ItemText(dialog, kWhat);
    if (replace_) { spec_.with = ItemText(dialog, kWith); }
    spec_.matchCase = IsDlgButtonChecked(dialog, kMatchCase) == BST_CHECKED;
    spec_.wholeWord = IsDlgButtonChecked(dialog, kWholeWord) == BST_CHECKED;
    spec_.up = !replace_ && IsDlgButtonChecked(dialog, kUp) == BST_CHECKED;
}

void SearchDialog::OnCommand(HWND dialog, int id)
{
    switch (id) {
        case IDOK:
            ReadSpec(dialog);
            editor_.FindText(spec_);
            break;
        case kReplace:
            ReadSpec(dialog);
            editor_.ReplaceOnce(spec_);
            break;
        case kReplaceAll:
            ReadSpec(dialog);
            editor_.ReplaceAllText(spec_);
            break;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            break;
    }
}

INT_PTR CALLBACK SearchDialog::Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    INT_PTR result = FALSE;
    CallGuarded([&] {
        if (msg == WM_INITDIALOG) {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            reinterpret_cast<SearchDialog*>(lParam)->Init(dialog);
            result = TRUE;
        } else if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            if (auto* self = reinterpret_cast<SearchDialog*>(GetWindowLongPtrA(dialog, DWLP_USER))) {
                self->OnCommand(dialog, LOWORD(wParam));
                result = TRUE;
            }
        }
    });
    return result;
}

}  // namespace kforge
