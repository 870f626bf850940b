// kforge-editorhost COMMANDS RESULTS: the test host window with an editor
// document in it, driven by the commands a test appends to COMMANDS (see
// ide/controls/testhost/HostWindow.h and EditorCommands.h).
#include <windows.h>

#include "CodeEdit.h"
#include "EditorCommands.h"
#include "TestHostProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    kforge::TestHostProgram program;
    if (!program.Ok()) { return 2; }
    kforge::CodeEdit::RegisterEngine();
    kforge::AddEditorCommands(program.Host());
    return program.Run();
}
