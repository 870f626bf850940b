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

DialogAnswer Answer(const DialogRequest& request)
{
    if (dialogHandler) { return dialogHandler(request); }
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
