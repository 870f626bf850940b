// kforge [FILE]: the IDE. A start while another instance runs hands FILE
// to that one and ends.
#include <windows.h>

#include "IdeProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    return kforge::RunIde(commandLine ? commandLine : "");
}
