#pragma once
// The Add Value dialog: edits one line of text for its caller (the
// Settings dialog's PATH entries). The caller sets ReturnValue, shows the
// dialog and reads ReturnValue afterwards: OK (the default button, Enter)
// confirms the text as typed, untrimmed; Cancel (Escape, the close box)
// gives "".

#include <string>

#include "DialogHeader.h"
#include "FlatCtl.h"
#include "ModalDialog.h"

namespace kforge {

class AddValueDialog : public ModalDialog {
public:
    // The ids of its controls.
    static constexpr int kTextId = 101;
    static constexpr int kOkId = IDOK;
    static constexpr int kCancelId = IDCANCEL;

    AddValueDialog();

    const std::string& ReturnValue() const { return returnValue_; }
    void SetReturnValue(std::string text) { returnValue_ = std::move(text); }

private:
    void OnLoad() override;
    void OnCommand(int id, int notifyCode, HWND control) override;

    DialogHeader header_;
    HWND text1_ = nullptr;
    FlatCtl text1Look_;  // the text box's flat border
    std::string returnValue_;
};

}  // namespace kforge
