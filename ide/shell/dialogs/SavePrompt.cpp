#include "SavePrompt.h"

#include "Dialogs.h"

namespace kforge {

SaveAnswer AskSaveChanges(HWND owner)
{
    switch (ShowMessage(owner, "Save changes to this file ?", "Save changes", MB_YESNO | MB_ICONHAND)) {
        case IDYES:
            return SaveAnswer::Yes;
        case IDNO:
            return SaveAnswer::No;
        default:
            return SaveAnswer::Keep;
    }
}

}  // namespace kforge
