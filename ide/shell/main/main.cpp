// kforge [FILE]: the IDE. A start while another instance runs hands FILE
// to that one and ends.
#include <windows.h>

#include <ole2.h>

#include "Boundary.h"
#include "CommonControls.h"
#include "MainWindow.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    OleInitialize(nullptr);
    kforge::InitCommonControlsOnce();
    int status = 0;
    kforge::CallGuarded([&] {
        kforge::MainWindow main;
        if (!main.Start(commandLine ? commandLine : "")) { return; }
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (main.TranslateKey(msg)) { continue; }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        status = static_cast<int>(msg.wParam);
    });
    OleUninitialize();
    return status;
}
