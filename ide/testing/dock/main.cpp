// kforge-dockhost COMMANDS RESULTS: the docking host filling the test host
// window, driven by the commands a test appends to COMMANDS (see
// DockCommands.h and the controls' HostWindow.h); results go to RESULTS.
#include <windows.h>

#include "DockCommands.h"
#include "TestHostProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    kforge::TestHostProgram program;
    if (!program.Ok()) { return 2; }
    kforge::DockCommands commands(program.Host());
    return program.Run([&] { return commands.CreateDock(); },
                       [&](const MSG& msg) { return commands.Dock().TranslateKey(msg); });
}
