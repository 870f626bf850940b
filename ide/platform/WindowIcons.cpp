#include "WindowIcons.h"

namespace kforge {

namespace {

void SetIcon(HWND hwnd, HWND topOwner, const std::string& iconName, WPARAM which, int widthMetric,
             int heightMetric)
{
    HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), iconName.c_str(), IMAGE_ICON,
                             GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_SHARED);
    if (topOwner) { SendMessageA(topOwner, WM_SETICON, which, reinterpret_cast<LPARAM>(icon)); }
    SendMessageA(hwnd, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

HWND TopOwner(HWND hwnd)
{
    HWND top = hwnd;
    for (HWND owner = GetWindow(hwnd, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) { top = owner; }
    return top;
}

void SetFormIcon(HWND hwnd, const std::string& iconName, bool alsoOwner)
{
    HWND topOwner = alsoOwner ? TopOwner(hwnd) : nullptr;
    SetIcon(hwnd, topOwner, iconName, ICON_BIG, SM_CXICON, SM_CYICON);
    SetIcon(hwnd, topOwner, iconName, ICON_SMALL, SM_CXSMICON, SM_CYSMICON);
}

}  // namespace kforge
