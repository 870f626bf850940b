// kforge-tasklist-testhost COMMANDS RESULTS: the test host window with the
// Task List pane (TaskListCommands.h). The pane's default task file lies in
// the folder of this program.
#include <windows.h>

#include "ShellValues.h"
#include "TaskListCommands.h"
#include "TestHostProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    kforge::TestHostProgram program;
    if (!program.Ok()) { return 2; }
    kforge::ShellValues values;
    kforge::AddTaskListCommands(program.Host(), values);
    return program.Run();
}
