#include "CommonControls.h"

#include <windows.h>

#include <commctrl.h>

namespace kforge {

void InitCommonControlsOnce()
{
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof controls;
        controls.dwICC = ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)initialised;
}

}  // namespace kforge
