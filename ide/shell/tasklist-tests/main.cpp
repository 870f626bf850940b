// kforge-tasklist-testhost COMMANDS RESULTS: the test host window with the
// Task List pane (TaskListCommands.h). The pane's default task file lies in
// the folder of this program.
#include <windows.h>

#include "CommandChannel.h"
#include "CommonControls.h"
#include "HostWindow.h"
#include "ShellValues.h"
#include "TaskListCommands.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3) { return 2; }
    kforge::InitCommonControlsOnce();
    kforge::CommandChannel channel(__argv[1], __argv[2]);
    kforge::ShellValues values;
    kforge::HostWindow host(channel);
    kforge::AddTaskListCommands(host, values);
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
