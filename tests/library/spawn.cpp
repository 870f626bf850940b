// spawn: runs a Windows program with an exact command line, which the
// shell and Wine would otherwise rebuild from separate arguments.
//
//   spawn <program.exe> <command line>    exit status: the program's
//   spawn <program.exe> --words <n>       the command line "prog" followed
//                                         by the words w1 ... wn
//
// The program inherits standard input, output and error.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string numbered_words(int count)
{
    std::string line = "prog";
    for (int i = 1; i <= count; i++) line += " w" + std::to_string(i);
    return line;
}

int run(const char* program, std::string line)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        fprintf(stderr, "spawn: cannot start %s (error %lu)\n", program, GetLastError());
        return 127;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return (int)code;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && strcmp(argv[2], "--words") == 0) return run(argv[1], numbered_words(atoi(argv[3])));
    if (argc == 3) return run(argv[1], argv[2]);
    fprintf(stderr, "usage: spawn <program.exe> <command line> | --words <n>\n");
    return 2;
}
