#pragma once
// The one way the IDE shows message boxes and the file and folder dialogs.
// A test program installs a DialogHandler that answers them instead: under
// Xvfb a real message box would wait for a click forever.

#include <windows.h>

#include <functional>
#include <string>

namespace kforge {

enum class DialogKind { Message, Open, Save, Folder };

struct DialogRequest {
    DialogKind kind = DialogKind::Message;
    HWND owner = nullptr;
    std::string text;  // the message; the filter of a file dialog
    std::string title;
    UINT flags = 0;          // MB_... or OFN_...
    std::string defaultExt;  // the save dialog's, without a dot
};

struct DialogAnswer {
    int button = IDCANCEL;  // a message box's IDOK, IDYES, ...
    std::string path;       // a file or folder dialog's choice, "" when cancelled
};

using DialogHandler = std::function<DialogAnswer(const DialogRequest&)>;

// Answers every later dialog with handler; an empty handler brings the real
// dialogs back.
void SetDialogHandler(DialogHandler handler);

// MessageBoxA: the button chosen.
int ShowMessage(HWND owner, const std::string& text, const std::string& title, UINT flags);

// The open and save dialogs: the chosen path, or "" when cancelled or
// failed. filter holds pairs of display text and pattern, each ended by a
// NUL character. The save dialog's default extension stays in force for
// later dialogs, as both share one dialog record.
std::string ShowOpen(HWND owner, const std::string& filter, const std::string& title, UINT flags);
std::string ShowSave(HWND owner, const std::string& filter, const std::string& title, UINT flags,
                     const std::string& defaultExt);

// The folder browser over the whole name space: the chosen folder, or "".
std::string BrowseForFolder(HWND owner);

}  // namespace kforge
