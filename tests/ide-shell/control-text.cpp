// control-text TITLE [OUTER/]CLASS
//
// Runs under Wine beside a program: prints the whole text of the first
// visible descendant of class CLASS (inside the first visible descendant of
// class OUTER, when given) in its visible top-level window titled exactly
// TITLE, as the control holds it (line ends unchanged). Exit status
// 1 when no such window or control exists, 2 for a bad command line.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Search {
    const char* text;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (!IsWindowVisible(window) || std::strcmp(title, search->text) != 0) { return TRUE; }
    search->found = window;
    return FALSE;
}

BOOL CALLBACK MatchClass(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    if (!IsWindowVisible(window) || lstrcmpiA(name, search->text) != 0) { return TRUE; }
    search->found = window;
    return FALSE;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: control-text TITLE [OUTER/]CLASS\n");
        return 2;
    }
    Search frame{argv[1], nullptr};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&frame));
    if (!frame.found) { return 1; }
    HWND within = frame.found;
    std::string path = argv[2];
    const size_t slash = path.find('/');
    if (slash != std::string::npos) {
        const std::string outerClass = path.substr(0, slash);
        Search outer{outerClass.c_str(), nullptr};
        EnumChildWindows(within, MatchClass, reinterpret_cast<LPARAM>(&outer));
        if (!outer.found) { return 1; }
        within = outer.found;
        path = path.substr(slash + 1);
    }
    Search control{path.c_str(), nullptr};
    EnumChildWindows(within, MatchClass, reinterpret_cast<LPARAM>(&control));
    if (!control.found) { return 1; }
    DWORD_PTR length = 0;
    SendMessageTimeoutA(control.found, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(control.found, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    std::fwrite(text.data(), 1, copied, stdout);
    return 0;
}
