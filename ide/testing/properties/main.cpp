// properties-test COMMANDS RESULTS: the Project Properties dialog over the
// test host window, with a stand-in main window (PropertiesCommands.h).
#include <windows.h>

#include "ProjectPropertiesDialog.h"
#include "PropertiesCommands.h"
#include "StandInHost.h"
#include "TestHostProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    kforge::TestHostProgram program;
    if (!program.Ok()) { return 2; }
    kforge::HostWindow& host = program.Host();
    kforge::StandInHost standIn([&host](const std::string& line) { host.Print(line); });
    kforge::ProjectPropertiesDialog dialog(standIn);
    kforge::AddPropertiesCommands(host, standIn, dialog);
    return program.Run();
}
