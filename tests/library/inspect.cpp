// inspect: reads and drives the windows of another program in the same Wine
// prefix and display, for the GUI tests of the library modules.
//
//   inspect find <class> <title> [wait-ms]     top-level window; prints its handle
//   inspect child <parent> <class>             first child of that class; prints its handle
//   inspect class <window>                     prints the class name
//   inspect text <window>                      prints the window text
//   inspect wait-text <window> <text> [wait-ms]  polls until the text equals <text>
//   inspect rect <window>                      prints left top width height, in the
//                                              parent's client area for a child window
//   inspect screen-rect <window>               prints left top width height on the screen
//   inspect prop <window> <name>               prints the window property <name> (0: none)
//   inspect owner <window>                     prints the handle of its owner window (0: none)
//   inspect visible <window>                   prints 1 or 0
//   inspect enabled <window>                   prints 1 or 0
//   inspect class-style <window>               prints the style of its window class
//   inspect class-info <window>                prints its class's style, window extra
//                                              bytes and background brush
//   inspect system-class-info <class>          the same for a class of the system
//   inspect move <window> <x> <y>              moves it (SetWindowPos, size kept)
//   inspect set-text <window> <text>           sets its text (WM_SETTEXT)
//   inspect post <window> <msg> <wparam> <lparam>   PostMessageA
//   inspect cursor <x> <y>                     SetCursorPos (screen coordinates)
//   inspect gone <window> [wait-ms]            polls until the window no longer exists
//
// Message boxes are read and closed with the harness's dismiss-box.
// Handles are written and read in decimal. Exit status 0 on success, 1 when
// the window or text was not found in time, 2 on a usage error.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const int poll_ms = 20;

HWND parse_window(const char* text) { return (HWND)(INT_PTR)strtol(text, nullptr, 10); }
int parse_int(const char* text) { return (int)strtol(text, nullptr, 0); }
int wait_ms(int argc, char** argv, int index) { return argc > index ? parse_int(argv[index]) : 5000; }

// Polls found() every poll_ms until it returns true or limit_ms have passed.
template<class F> bool poll(int limit_ms, F found)
{
    for (int waited = 0;; waited += poll_ms) {
        if (found()) return true;
        if (waited >= limit_ms) return false;
        Sleep(poll_ms);
    }
}

std::string window_text(HWND window)
{
    char buffer[1024] = "";
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

int print_window(HWND window)
{
    if (!window) return 1;
    printf("%ld\n", (long)(INT_PTR)window);
    return 0;
}

int find(int argc, char** argv)
{
    HWND window = nullptr;
    poll(wait_ms(argc, argv, 4), [&] { return (window = FindWindowA(argv[2], argv[3])) != nullptr; });
    return print_window(window);
}

int child(int, char** argv)
{
    return print_window(FindWindowExA(parse_window(argv[2]), nullptr, argv[3], nullptr));
}

int class_name(int, char** argv)
{
    char buffer[256] = "";
    if (!GetClassNameA(parse_window(argv[2]), buffer, sizeof buffer)) return 1;
    printf("%s\n", buffer);
    return 0;
}

int text(int, char** argv)
{
    HWND window = parse_window(argv[2]);
    if (!IsWindow(window)) return 1;
    printf("%s\n", window_text(window).c_str());
    return 0;
}

int wait_text(int argc, char** argv)
{
    HWND window = parse_window(argv[2]);
    bool found = poll(wait_ms(argc, argv, 4), [&] { return window_text(window) == argv[3]; });
    printf("%s\n", window_text(window).c_str());
    return found ? 0 : 1;
}

int rect(int, char** argv)
{
    HWND window = parse_window(argv[2]);
    RECT r;
    if (!GetWindowRect(window, &r)) return 1;
    HWND parent = GetParent(window);
    if (parent && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, (POINT*)&r, 2);
    printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

int screen_rect(int, char** argv)
{
    RECT r;
    if (!GetWindowRect(parse_window(argv[2]), &r)) return 1;
    printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

int flag(bool value)
{
    printf("%d\n", value ? 1 : 0);
    return 0;
}

int class_style(int, char** argv)
{
    DWORD style = GetClassLongA(parse_window(argv[2]), GCL_STYLE);
    printf("%#lx\n", style);
    return 0;
}

int print_class_info(DWORD style, int extra_bytes, HBRUSH background)
{
    printf("%#lx %d %ld\n", style, extra_bytes, (long)(INT_PTR)background);
    return 0;
}

int class_info(int, char** argv)
{
    HWND window = parse_window(argv[2]);
    if (!IsWindow(window)) return 1;
    return print_class_info(GetClassLongA(window, GCL_STYLE), GetClassLongA(window, GCL_CBWNDEXTRA),
                            (HBRUSH)GetClassLongPtrA(window, GCLP_HBRBACKGROUND));
}

int system_class_info(int, char** argv)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(nullptr, argv[2], &wc)) return 1;
    return print_class_info(wc.style, wc.cbWndExtra, wc.hbrBackground);
}

int move(int, char** argv)
{
    UINT keep = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    return SetWindowPos(parse_window(argv[2]), nullptr, parse_int(argv[3]), parse_int(argv[4]), 0, 0, keep)
               ? 0
               : 1;
}

int set_text(int, char** argv)
{
    return SendMessageA(parse_window(argv[2]), WM_SETTEXT, 0, (LPARAM)argv[3]) ? 0 : 1;
}

int post(int, char** argv)
{
    return PostMessageA(parse_window(argv[2]), parse_int(argv[3]), parse_int(argv[4]), parse_int(argv[5]))
               ? 0
               : 1;
}

int gone(int argc, char** argv)
{
    HWND window = parse_window(argv[2]);
    return poll(wait_ms(argc, argv, 3), [&] { return !IsWindow(window); }) ? 0 : 1;
}

int usage()
{
    fprintf(stderr,
            "usage: inspect "
            "find|child|class|text|wait-text|rect|screen-rect|prop|owner|visible|enabled|class-style|class-"
            "info|system-class-info|move|set-text|post|cursor|gone ...\n");
    return 2;
}

int property(int, char** argv)
{
    HWND window = parse_window(argv[2]);
    if (!IsWindow(window)) return 1;
    printf("%ld\n", (long)(INT_PTR)GetPropA(window, argv[3]));
    return 0;
}

int owner(int, char** argv)
{
    HWND window = parse_window(argv[2]);
    if (!IsWindow(window)) return 1;
    printf("%ld\n", (long)(INT_PTR)GetWindow(window, GW_OWNER));
    return 0;
}

int visible(int, char** argv) { return flag(IsWindowVisible(parse_window(argv[2]))); }
int enabled(int, char** argv) { return flag(IsWindowEnabled(parse_window(argv[2]))); }
int cursor(int, char** argv) { return SetCursorPos(parse_int(argv[2]), parse_int(argv[3])) ? 0 : 1; }

struct Command {
    const char* name;
    int arguments;
    int (*run)(int argc, char** argv);
};

const Command commands[] = {
    {"find", 2, find},
    {"child", 2, child},
    {"class", 1, class_name},
    {"text", 1, text},
    {"wait-text", 2, wait_text},
    {"rect", 1, rect},
    {"screen-rect", 1, screen_rect},
    {"prop", 2, property},
    {"owner", 1, owner},
    {"visible", 1, visible},
    {"enabled", 1, enabled},
    {"class-style", 1, class_style},
    {"class-info", 1, class_info},
    {"system-class-info", 1, system_class_info},
    {"move", 3, move},
    {"set-text", 2, set_text},
    {"post", 4, post},
    {"cursor", 2, cursor},
    {"gone", 1, gone},
};

}  // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc >= 2)
        for (const Command& command : commands)
            if (strcmp(argv[1], command.name) == 0 && argc >= command.arguments + 2)
                return command.run(argc, argv);
    return usage();
}
