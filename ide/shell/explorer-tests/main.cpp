// kforge-explorer-testhost COMMANDS RESULTS: the controls' test host with
// the Project Explorer pane over a recording stand-in of the main window
// (ExplorerCommands.h). It carries the program's resources.
#include <windows.h>

#include "CommandChannel.h"
#include "CommonControls.h"
#include "ExplorerCommands.h"
#include "HostWindow.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3) { return 2; }
    kforge::InitCommonControlsOnce();
    kforge::CommandChannel channel(__argv[1], __argv[2]);
    kforge::HostWindow host(channel);
    kforge::AddExplorerCommands(host);
    if (!host.CreateMain()) {
        channel.WriteResult("error: the host window was not created");
        return 1;
    }
    host.AddChild("host", host.Hwnd());
    channel.WriteResult("ready");
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
