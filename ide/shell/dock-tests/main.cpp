// kforge-dockhost COMMANDS RESULTS: the docking host filling the test host
// window, driven by the commands a test appends to COMMANDS (see
// DockCommands.h and the controls' HostWindow.h); results go to RESULTS.
#include <windows.h>

#include <cstdlib>

#include "CommandChannel.h"
#include "CommonControls.h"
#include "DockCommands.h"
#include "HostWindow.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3) { return 2; }
    kforge::InitCommonControlsOnce();
    kforge::CommandChannel channel(__argv[1], __argv[2]);
    kforge::HostWindow host(channel);
    kforge::DockCommands commands(host);
    if (!host.CreateMain() || !commands.CreateDock()) {
        channel.WriteResult("error: the host window was not created");
        return 1;
    }
    channel.WriteResult("ready");
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (commands.Dock().TranslateKey(msg)) { continue; }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
