// kforge-testhost COMMANDS RESULTS: a window that places controls and runs
// the commands a test appends to the file COMMANDS, writing what it prints
// to the file RESULTS (see HostWindow.h and the command groups).
#include <windows.h>

#include <cstdlib>

#include "ButtonCommands.h"
#include "CommandChannel.h"
#include "CommonControls.h"
#include "FlatCommands.h"
#include "HostWindow.h"
#include "ListCommands.h"
#include "SubclassCommands.h"
#include "TreeCommands.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3) { return 2; }
    kforge::InitCommonControlsOnce();
    kforge::CommandChannel channel(__argv[1], __argv[2]);
    kforge::HostWindow host(channel);
    kforge::AddSubclassCommands(host);
    kforge::AddFlatCommands(host);
    kforge::AddButtonCommands(host);
    kforge::AddTreeCommands(host);
    kforge::AddListCommands(host);
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
