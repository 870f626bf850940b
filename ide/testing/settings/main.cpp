// settings-test COMMANDS RESULTS: the test host with the Settings dialog
// (SettingsCommands.h).
#include <windows.h>

#include "SettingsCommands.h"
#include "TestHostProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    kforge::TestHostProgram program;
    if (!program.Ok()) { return 2; }
    kforge::SettingsCommands settings(program.Host());
    return program.Run();
}
