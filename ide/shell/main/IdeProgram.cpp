#include "IdeProgram.h"

#include <windows.h>

#include <ole2.h>

#include "Boundary.h"
#include "CommonControls.h"
#include "MainWindow.h"
#include "MessagePump.h"

namespace kforge {

int RunIde(const std::string& commandLine, const CompanionWindow& companion)
{
    OleInitialize(nullptr);
    InitCommonControlsOnce();
    int status = 0;
    CallGuarded([&] {
        MainWindow main;
        const std::unique_ptr<Window> beside = companion ? companion(main) : nullptr;
        if (!main.Start(commandLine)) { return; }
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) { RouteMessage(msg); }
        status = static_cast<int>(msg.wParam);
    });
    OleUninitialize();
    return status;
}

}  // namespace kforge
