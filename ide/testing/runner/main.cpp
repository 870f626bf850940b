// kforge-shell-testhost COMMANDS RESULTS: the controls' test host with the
// shell's Output pane, command runner and window helpers (RunnerCommands.h).
#include <windows.h>

#include "RunnerCommands.h"
#include "TestHostProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    kforge::TestHostProgram program;
    if (!program.Ok()) { return 2; }
    kforge::AddRunnerCommands(program.Host());
    return program.Run();
}
