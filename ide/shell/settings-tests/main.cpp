// settings-test COMMANDS RESULTS: the test host with the Settings dialog
// (SettingsCommands.h).
#include <windows.h>

#include "CommandChannel.h"
#include "CommonControls.h"
#include "HostWindow.h"
#include "SettingsCommands.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3) { return 2; }
    kforge::InitCommonControlsOnce();
    kforge::CommandChannel channel(__argv[1], __argv[2]);
    kforge::HostWindow host(channel);
    kforge::SettingsCommands settings(host);
    if (!host.CreateMain()) {
        channel.WriteResult("error: the host window was not created");
        return 1;
    }
    channel.WriteResult("ready");
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
