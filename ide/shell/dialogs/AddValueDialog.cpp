#include "AddValueDialog.h"

#include "WindowText.h"

namespace kforge {

namespace {

constexpr int kWidth = 372;
constexpr int kHeight = 176;
constexpr int kHeaderHeight = 60;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;

}  // namespace

AddValueDialog::AddValueDialog() : ModalDialog(" Add Value ... ", kWidth, kHeight) {}

void AddValueDialog::OnLoad()
{
    header_.Create(
        Hwnd(), RECT{0, 0, kWidth, kHeaderHeight}, "HEADER_ADDVALUE",
        "Add new value or edit existing. To save changes click OK, if you don't want chanches, click "
        "Storno.",
        Font());
    AddControl("STATIC", "New Value", SS_LEFT, RECT{12, 72, kWidth - 12, 88}, -1);
    text1_ = AddControl("EDIT", returnValue_, WS_TABSTOP | ES_AUTOHSCROLL, RECT{12, 90, kWidth - 12, 112},
                        kTextId, WS_EX_CLIENTEDGE);
    text1Look_.Attach(text1_);
    const int top = kHeight - 12 - kButtonHeight;
    const int cancelLeft = kWidth - 12 - kButtonWidth;
    const int okLeft = cancelLeft - 8 - kButtonWidth;
    AddControl("BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON,
               RECT{okLeft, top, okLeft + kButtonWidth, top + kButtonHeight}, kOkId);
    AddControl("BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON,
               RECT{cancelLeft, top, cancelLeft + kButtonWidth, top + kButtonHeight}, kCancelId);
}

void AddValueDialog::OnCommand(int id, int notifyCode, HWND)
{
    if (id == kTextId && notifyCode == EN_SETFOCUS) {
        SendMessageA(text1_, EM_SETSEL, 0, GetWindowTextLengthA(text1_));
    } else if (id == kOkId) {
        returnValue_ = WindowText(text1_);
        EndModal(IDOK);
    } else if (id == kCancelId) {
        returnValue_.clear();
        EndModal(IDCANCEL);
    }
}

}  // namespace kforge
