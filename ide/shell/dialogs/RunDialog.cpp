#include "RunDialog.h"

namespace kforge {

namespace {
constexpr WORD kRunDialogOrdinal = 61;
}

RunDialogProc FindRunDialog()
{
    HMODULE shell = GetModuleHandleA("shell32.dll");
    if (!shell) { shell = LoadLibraryA("shell32.dll"); }
    if (!shell) { return nullptr; }
    FARPROC entry = GetProcAddress(shell, MAKEINTRESOURCEA(kRunDialogOrdinal));
    return reinterpret_cast<RunDialogProc>(reinterpret_cast<void*>(entry));
}

void ShowRunDialog()
{
    if (RunDialogProc runDialog = FindRunDialog()) {
        runDialog(nullptr, nullptr, nullptr, nullptr, nullptr, 0);
    }
}

}  // namespace kforge
