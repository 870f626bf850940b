#include "GoToDialog.h"

#include <algorithm>
#include <string>

#include "Boundary.h"
#include "DialogTemplate.h"

namespace kforge {

int GoToDialog::Run(HWND owner, int currentLine, int lineCount)
{
    GoToDialog state;
    state.line_ = currentLine;
    state.lineCount_ = std::max(lineCount, 1);
    DialogTemplate form("Go To Line", 180, 48);
    const std::string prompt = "&Line number (1 - " + std::to_string(state.lineCount_) + "):";
    form.AddLabel(prompt, 6, 8, 110, 8);
    form.AddEdit(kLine, 6, 20, 110, 12, ES_NUMBER);
    form.AddButton("OK", IDOK, 122, 6, 50, 14, true);
    form.AddButton("Cancel", IDCANCEL, 122, 24, 50, 14);
    return form.Run(owner, Proc, reinterpret_cast<LPARAM>(&state)) == IDOK ? state.line_ : 0;
}

INT_PTR CALLBACK GoToDialog::Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    INT_PTR result = FALSE;
    CallGuarded([&] {
        if (msg == WM_INITDIALOG) {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            const auto* state = reinterpret_cast<GoToDialog*>(lParam);
            SetDlgItemInt(dialog, kLine, static_cast<UINT>(state->line_), FALSE);
            SendDlgItemMessageA(dialog, kLine, EM_SETSEL, 0, -1);
            result = TRUE;
            return;
        }
        auto* state = reinterpret_cast<GoToDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (msg != WM_COMMAND || !state) { return; }
        if (LOWORD(wParam) == IDOK) {
            BOOL read = FALSE;
            const UINT line = GetDlgItemInt(dialog, kLine, &read, FALSE);
            state->line_ = std::clamp(read ? static_cast<int>(std::min<UINT>(line, 0x7FFFFFFF)) : 1, 1,
                                      state->lineCount_);
            EndDialog(dialog, IDOK);
            result = TRUE;
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            result = TRUE;
        }
    });
    return result;
}

}  // namespace kforge
