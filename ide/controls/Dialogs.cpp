#include "Dialogs.h"

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <utility>

namespace kforge {

namespace {

DialogHandler dialogHandler;
// The file dialogs' shared record keeps the last default extension.
std::string lastDefaultExt;

constexpr size_t kFileBufferLength = 255;

std::string ShowFileDialog(const DialogRequest& request)
{
    std::string filter = request.text + std::string(2, '\0');
    std::string file(kFileBufferLength, '\0');
    std::string fileTitle(kFileBufferLength, '\0');
    OPENFILENAMEA record{};
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    record.hwndOwner = request.owner;
    record.hInstance = GetModuleHandleA(nullptr);
    record.lpstrFilter = filter.c_str();
    record.lpstrFile = file.data();
    record.nMaxFile = static_cast<DWORD>(file.size());
    record.lpstrFileTitle = fileTitle.data();
    record.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
    record.lpstrInitialDir = "";
    record.lpstrTitle = request.title.c_str();
    record.Flags = request.flags;
    record.lpstrDefExt = request.defaultExt.empty() ? nullptr : request.defaultExt.c_str();
    const BOOL chosen =
        request.kind == DialogKind::Save ? GetSaveFileNameA(&record) : GetOpenFileNameA(&record);
    return chosen ? std::string(file.c_str()) : std::string();  // up to the first NUL
}

std::string ShowFolderDialog(const DialogRequest& request)
{
    BROWSEINFOA browse{};
    browse.hwndOwner = request.owner;
    browse.lpszTitle = "C:\\";
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST items = SHBrowseForFolderA(&browse);
    if (!items) { return std::string(); }
    char path[MAX_PATH + 1] = {};
    SHGetPathFromIDListA(items, path);
    CoTaskMemFree(items);
    return path;
}

DialogRequest Request(DialogKind kind, HWND owner, const std::string& text, const std::string& title,
                      UINT flags)
{
    DialogRequest request;
    request.kind = kind;
    request.owner = owner;
    request.text = text;
    request.title = title;
    request.flags = flags;
    request.defaultExt = lastDefaultExt;
    return request;
}

// The file named by KFORGE_DIALOG_LOG; "" when the program runs for a user.
const std::string& DialogLogPath()
{
    static const std::string path = [] {
        char buffer[MAX_PATH * 4] = {};
        const DWORD length = GetEnvironmentVariableA("KFORGE_DIALOG_LOG", buffer, sizeof buffer);
        return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
    }();
    return path;
}

// A whole program under test (started with KFORGE_DIALOG_LOG naming a file)
// records each dialog there as one line "KIND|TITLE|TEXT", line ends shown
// as \n, and answers as a user dismissing it: OK where that is the only
// button, otherwise No or Cancel; no file or folder.
DialogAnswer LoggedAnswer(const DialogRequest& request)
{
    static const char* const kKinds[] = {"Message", "Open", "Save", "Folder"};
    std::string line = std::string(kKinds[static_cast<int>(request.kind)]) + "|" + request.title + "|";
    for (char c : request.text) {
        if (c == '\n') {
            line += "\\n";
        } else if (c != '\r') {
            line += c;
        }
    }
    line += "\r\n";
    HANDLE log = CreateFileA(DialogLogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(log);
    }
    DialogAnswer answer;
    const UINT buttons = request.flags & MB_TYPEMASK;
    answer.button = buttons == MB_OK ? IDOK : (buttons == MB_YESNO ? IDNO : IDCANCEL);
    return answer;
}

DialogAnswer Answer(const DialogRequest& request)
{
    if (dialogHandler) { return dialogHandler(request); }
    if (!DialogLogPath().empty()) { return LoggedAnswer(request); }
    DialogAnswer answer;
    switch (request.kind) {
        case DialogKind::Message:
            answer.button =
                MessageBoxA(request.owner, request.text.c_str(), request.title.c_str(), request.flags);
            break;
        case DialogKind::Open:
        case DialogKind::Save:
            answer.path = ShowFileDialog(request);
            break;
        case DialogKind::Folder:
            answer.path = ShowFolderDialog(request);
            break;
    }
    return answer;
}

}  // namespace

void SetDialogHandler(DialogHandler handler) { dialogHandler = std::move(handler); }

int ShowMessage(HWND owner, const std::string& text, const std::string& title, UINT flags)
{
    return Answer(Request(DialogKind::Message, owner, text, title, flags)).button;
}

std::string ShowOpen(HWND owner, const std::string& filter, const std::string& title, UINT flags)
{
    return Answer(Request(DialogKind::Open, owner, filter, title, flags)).path;
}

std::string ShowSave(HWND owner, const std::string& filter, const std::string& title, UINT flags,
                     const std::string& defaultExt)
{
    lastDefaultExt = defaultExt;
    return Answer(Request(DialogKind::Save, owner, filter, title, flags)).path;
}

std::string BrowseForFolder(HWND owner) { return Answer(Request(DialogKind::Folder, owner, "", "", 0)).path; }

}  // namespace kforge
