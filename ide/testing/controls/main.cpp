// kforge-testhost COMMANDS RESULTS: a window that places controls and runs
// the commands a test appends to the file COMMANDS, writing what it prints
// to the file RESULTS (see HostWindow.h and the command groups).
#include <windows.h>

#include "ButtonCommands.h"
#include "FlatCommands.h"
#include "ListCommands.h"
#include "SubclassCommands.h"
#include "TestHostProgram.h"
#include "TreeCommands.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    kforge::TestHostProgram program;
    if (!program.Ok()) { return 2; }
    kforge::HostWindow& host = program.Host();
    kforge::AddSubclassCommands(host);
    kforge::AddFlatCommands(host);
    kforge::AddButtonCommands(host);
    kforge::AddTreeCommands(host);
    kforge::AddListCommands(host);
    return program.Run();
}
