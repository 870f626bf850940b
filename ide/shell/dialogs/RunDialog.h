#pragma once
// The shell's Run dialog, which runs whatever the user types there.

#include <windows.h>

namespace kforge {

// shell32 exports the dialog under its ordinal only:
// (owner, icon, folder, title, prompt, flags).
using RunDialogProc = void(WINAPI*)(HWND, HICON, LPCSTR, LPCSTR, LPCSTR, UINT);

// The dialog's entry point, or null when this shell32 lacks it.
RunDialogProc FindRunDialog();

// Shows the dialog with every default: no owner, icon, folder, title,
// prompt or flags. Nothing happens when the entry point is missing.
void ShowRunDialog();

}  // namespace kforge
