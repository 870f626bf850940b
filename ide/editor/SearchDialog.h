#pragma once
// The editor's modal Find and Replace dialogs. Find Next, Replace and
// Replace All act on the editor while the dialog stays open; Cancel (or
// Esc) closes it.

#include <windows.h>

#include "SearchSpec.h"

namespace kforge {

class CodeEdit;

class SearchDialog {
public:
    // Control ids, for tests that drive the dialog.
    enum Id {
        kWhat = 1001,
        kWith = 1002,
        kMatchCase = 1003,
        kWholeWord = 1004,
        kUp = 1005,
        kDown = 1006,
        kReplace = 1010,
        kReplaceAll = 1011
    };

    SearchDialog(CodeEdit& editor, const SearchSpec& spec, bool replace);
    void Run(HWND owner);

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
    void Init(HWND dialog);
    void ReadSpec(HWND dialog);
    void OnCommand(HWND dialog, int id);

    CodeEdit& editor_;
    SearchSpec spec_;
    bool replace_;
};

}  // namespace kforge
