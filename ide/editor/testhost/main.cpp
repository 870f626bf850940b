// kforge-editorhost COMMANDS RESULTS: the test host window with an editor
// document in it, driven by the commands a test appends to COMMANDS (see
// ide/controls/testhost/HostWindow.h and EditorCommands.h).
#include <windows.h>

#include "CodeEdit.h"
#include "CommandChannel.h"
#include "CommonControls.h"
#include "EditorCommands.h"
#include "HostWindow.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3) { return 2; }
    kforge::InitCommonControlsOnce();
    kforge::CodeEdit::RegisterEngine();
    kforge::CommandChannel channel(__argv[1], __argv[2]);
    kforge::HostWindow host(channel);
    kforge::AddEditorCommands(host);
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
