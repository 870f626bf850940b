// kforge-explorer-testhost COMMANDS RESULTS: the controls' test host with
// the Project Explorer pane over a recording stand-in of the main window
// (ExplorerCommands.h). It carries the program's resources.
#include <windows.h>

#include "ExplorerCommands.h"
#include "TestHostProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    kforge::TestHostProgram program;
    if (!program.Ok()) { return 2; }
    kforge::AddExplorerCommands(program.Host());
    return program.Run();
}
