// Creates a Scintilla window, puts a text into it through the component's
// direct function, reads it back and prints it. Exit status 0 when the text
// came back unchanged.
#include <windows.h>

#include <cstdio>
#include <string>

#include "Scintilla.h"

int main()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!Scintilla_RegisterClasses(instance)) {
        std::puts("scintilla-check: the window class was not registered");
        return 1;
    }
    HWND editor = CreateWindowExA(0, "Scintilla", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                  instance, nullptr);
    if (!editor) {
        std::puts("scintilla-check: no Scintilla window");
        return 1;
    }
    auto direct = reinterpret_cast<SciFnDirect>(SendMessageA(editor, SCI_GETDIRECTFUNCTION, 0, 0));
    auto pointer = static_cast<sptr_t>(SendMessageA(editor, SCI_GETDIRECTPOINTER, 0, 0));
    const std::string text = "Sub Main()\r\n  Print \"Kiln\"\r\nEnd Sub\r\n";
    direct(pointer, SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(text.c_str()));
    std::string readBack(static_cast<size_t>(direct(pointer, SCI_GETLENGTH, 0, 0)), '\0');
    direct(pointer, SCI_GETTEXT, readBack.size() + 1, reinterpret_cast<sptr_t>(readBack.data()));
    DestroyWindow(editor);
    Scintilla_ReleaseResources();
    std::printf("scintilla-check: %zu characters read back\n", readBack.size());
    return readBack == text ? 0 : 1;
}
