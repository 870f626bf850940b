// properties-test COMMANDS RESULTS: the Project Properties dialog over the
// test host window, with a stand-in main window (PropertiesCommands.h).
#include <windows.h>

#include "CommandChannel.h"
#include "CommonControls.h"
#include "HostWindow.h"
#include "ProjectPropertiesDialog.h"
#include "PropertiesCommands.h"
#include "StandInHost.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3) { return 2; }
    kforge::InitCommonControlsOnce();
    kforge::CommandChannel channel(__argv[1], __argv[2]);
    kforge::HostWindow host(channel);
    kforge::StandInHost standIn([&host](const std::string& line) { host.Print(line); });
    kforge::ProjectPropertiesDialog dialog(standIn);
    kforge::AddPropertiesCommands(host, standIn, dialog);
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
