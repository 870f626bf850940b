// window-texts TITLE
//
// Runs under Wine beside a program: finds its visible top-level window
// titled exactly TITLE and prints "frame ZOOMED ICONIC LEFT TOP RIGHT
// BOTTOM", then one line "CLASS|LEFT TOP RIGHT BOTTOM|TEXT" per visible
// descendant window: its rectangle relative to the frame's (so in the pixels of a
// screenshot of the frame) and its text, line ends shown as \n, at most
// 300 characters. Exit status 1 when no
// such window exists, 2 for a bad command line.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Search {
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (IsWindowVisible(window) && std::strcmp(title, search->title) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK PrintChild(HWND window, LPARAM data)
{
    if (!IsWindowVisible(window)) { return TRUE; }
    const RECT* frame = reinterpret_cast<const RECT*>(data);
    RECT rc{};
    GetWindowRect(window, &rc);
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    char text[301] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &copied);
    std::string shown;
    for (const char* c = text; *c; ++c) {
        if (*c == '\r') { continue; }
        shown += *c == '\n' ? std::string("\\n") : std::string(1, *c);
    }
    std::printf("%s|%ld %ld %ld %ld|%s\n", name, rc.left - frame->left, rc.top - frame->top,
                rc.right - frame->left, rc.bottom - frame->top, shown.c_str());
    return TRUE;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: window-texts TITLE\n");
        return 2;
    }
    Search search{argv[1], nullptr};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    if (!search.found) { return 1; }
    RECT rc{};
    GetWindowRect(search.found, &rc);
    std::printf("frame %d %d %ld %ld %ld %ld\n", IsZoomed(search.found) ? 1 : 0,
                IsIconic(search.found) ? 1 : 0, rc.left, rc.top, rc.right, rc.bottom);
    EnumChildWindows(search.found, PrintChild, reinterpret_cast<LPARAM>(&rc));
    return 0;
}
