#include "KeyPress.h"

namespace kforge {

bool PressKey(WORD vk)
{
    INPUT events[2] = {};
    for (INPUT& event : events) {
        event.type = INPUT_KEYBOARD;
        event.ki.wVk = vk;
        event.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    }
    events[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, events, sizeof(INPUT)) == 2;
}

}  // namespace kforge
