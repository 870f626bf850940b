// The one prompt that offers to save a changed or never-saved document.
#pragma once

#include <windows.h>

#include "SaveAnswer.h"

namespace kforge {

// "Save changes to this file ?", titled "Save changes", Yes and No, the stop icon.
SaveAnswer AskSaveChanges(HWND owner);

}  // namespace kforge
