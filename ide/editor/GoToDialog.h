#pragma once
// The editor's modal Go To Line dialog: asks for a 1-based line number.

#include <windows.h>

namespace kforge {

class GoToDialog {
public:
    enum Id { kLine = 1001 };
    // The chosen line (1-based, clamped to 1..lineCount), or 0 when cancelled.
    static int Run(HWND owner, int currentLine, int lineCount);

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

    int line_ = 1;
    int lineCount_ = 1;
};

}  // namespace kforge
