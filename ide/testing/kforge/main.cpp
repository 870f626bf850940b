// kforge-test [FILE]: kforge with its test link (TestChannel), which a test
// script switches on with the environment variable KFORGE_TEST_CHANNEL.
// Everything else is the program kforge.exe.
#include <windows.h>

#include "IdeProgram.h"
#include "TestChannel.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    return kforge::RunIde(commandLine ? commandLine : "", [](kforge::MainWindow& main) {
        return std::unique_ptr<kforge::Window>(kforge::TestChannel::FromEnvironment(main));
    });
}
