#pragma once
// Window icons from the program's icon resources.

#include <windows.h>

#include <string>

namespace kforge {

// Gives hwnd the large and small icons of the program's icon resource
// iconName (shared images, sized by the system metrics). With alsoOwner the
// top of hwnd's owner chain gets them first, so the task bar entry of a
// window owned by a hidden one shows the icon too.
void SetFormIcon(HWND hwnd, const std::string& iconName, bool alsoOwner);

// The top of hwnd's owner chain; hwnd itself when it has no owner.
HWND TopOwner(HWND hwnd);

}  // namespace kforge
