#pragma once
// The Windows side of the syntax files: whether a file exists, the call-tip
// texts of the argument file, and the small image lists of the completion
// list.

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace kforge {

// PathFileExistsA: true for an existing file or folder.
bool FileExists(const std::string& path);

// The argument text of the routine name in the [ArgumentsList] section of
// the argument file (a full path); keys match ignoring case; "" when absent.
std::string GetArguments(const std::string& name, const std::string& file);

// An image list of small-icon size; flags -1 stand for ILC_COLOR24|ILC_MASK.
HIMAGELIST CreateImageList(int flags, int initial, int growth = 0);
// Appends the icon; its index, or -1.
int AddImageIcon(HIMAGELIST list, HICON icon);
void DestroyImageList(HIMAGELIST list);

}  // namespace kforge
