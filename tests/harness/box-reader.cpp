// box-reader SECONDS BUTTON [TITLE]
//
// Runs under Wine beside a program that shows a message box: waits up to
// SECONDS for a visible dialog box (with the exact title TITLE when given),
// prints the texts of its static controls, and presses BUTTON (ok, cancel,
// yes, no, abort, retry, ignore, or "default" for the box's default button).
// Exit status 0 when a box was dismissed, 1 when none appeared, 2 for a bad
// command line. Used through tests/harness/dismiss-box.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Search {
    const char* title;
    HWND found;
};

bool is_dialog(HWND window)
{
    char name[64];
    return GetClassNameA(window, name, sizeof name) && std::strcmp(name, "#32770") == 0;
}

BOOL CALLBACK match_box(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    if (!IsWindowVisible(window) || !is_dialog(window)) return TRUE;
    char title[512] = "";
    GetWindowTextA(window, title, sizeof title);
    if (*search->title && std::strcmp(title, search->title) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK collect_text(HWND control, LPARAM data)
{
    char name[64], text[4096] = "";
    if (!GetClassNameA(control, name, sizeof name) || _stricmp(name, "Static") != 0) return TRUE;
    GetWindowTextA(control, text, sizeof text);
    auto* texts = reinterpret_cast<std::string*>(data);
    if (*text) *texts += std::string(texts->empty() ? "" : "\n") + text;
    return TRUE;
}

HWND wait_for_box(const char* title, int seconds)
{
    DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    for (;;) {
        Search search{title, nullptr};
        EnumWindows(match_box, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return nullptr;
        Sleep(50);
    }
}

// The command id of BUTTON, 0 when the name is unknown.
int button_id(HWND box, const char* button)
{
    static const struct {
        const char* name;
        int id;
    } buttons[] = {{"ok", IDOK},       {"cancel", IDCANCEL}, {"yes", IDYES},      {"no", IDNO},
                   {"abort", IDABORT}, {"retry", IDRETRY},   {"ignore", IDIGNORE}};
    if (_stricmp(button, "default") == 0) {
        LRESULT id = SendMessageA(box, DM_GETDEFID, 0, 0);
        return HIWORD(id) == DC_HASDEFID ? LOWORD(id) : IDOK;
    }
    for (const auto& entry : buttons)
        if (_stricmp(button, entry.name) == 0) return entry.id;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: box-reader SECONDS BUTTON [TITLE]\n");
        return 2;
    }
    const char* title = argc == 4 ? argv[3] : "";
    HWND box = wait_for_box(title, std::atoi(argv[1]));
    if (!box) {
        std::fprintf(stderr, "box-reader: no message box '%s' appeared\n", title);
        return 1;
    }
    int id = button_id(box, argv[2]);
    if (id == 0) {
        std::fprintf(stderr, "box-reader: unknown button '%s'\n", argv[2]);
        return 2;
    }
    std::string text;
    EnumChildWindows(box, collect_text, reinterpret_cast<LPARAM>(&text));
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
    return 0;
}
