// runner [--path FOLDER] [--in FOLDER] run|kill COMMAND-LINE
//
// Starts COMMAND-LINE the way the IDE's command runner starts a tool: its
// output on an inheritable pipe, no input and a null error handle, hidden,
// handles inherited. Prints what the pipe gave, then:
//   run   reads until the pipe closes and prints "[exit N]", the process's
//         exit code;
//   kill  reads the first line, terminates the process, prints
//         "[terminated]", then reads on and prints "[pipe closed]" when the
//         pipe closes.
// --path puts FOLDER first on the Windows PATH before the start, so that a
// bare program name can be found there; --in makes FOLDER the current
// folder, as the IDE does before a build step. "[not started N]" reports a
// CreateProcessA failure with GetLastError. The output is binary: the
// child's bytes unchanged, the runner's own lines ending in LF.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES plus the IDE's 0x00100000 bit.
constexpr DWORD kStartFlags = 0x00100101;

struct Child {
    HANDLE process = nullptr;
    HANDLE output = nullptr;  // the pipe's read end
};

bool Start(const std::string& commandLine, Child& child)
{
    SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &attributes, 0)) {
        std::printf("[no pipe %lu]\n", static_cast<unsigned long>(GetLastError()));
        return false;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = kStartFlags;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = writeEnd;
    PROCESS_INFORMATION info{};
    std::string mutableLine = commandLine;
    BOOL started = CreateProcessA(nullptr, mutableLine.data(), &attributes, &attributes, TRUE,
                                  NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &info);
    DWORD error = GetLastError();
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        std::printf("[not started %lu]\n", static_cast<unsigned long>(error));
        return false;
    }
    CloseHandle(info.hThread);
    child.process = info.hProcess;
    child.output = readEnd;
    return true;
}

// Reads one chunk of at most 256 bytes into text; false at the end.
bool ReadChunk(HANDLE pipe, std::string& text)
{
    char buffer[256];
    DWORD count = 0;
    if (!ReadFile(pipe, buffer, sizeof buffer, &count, nullptr) || count == 0) return false;
    text.append(buffer, count);
    return true;
}

void PrintOutput(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (!text.empty() && text.back() != '\n') std::fputc('\n', stdout);
}

int Run(const Child& child)
{
    std::string text;
    while (ReadChunk(child.output, text)) {}
    PrintOutput(text);
    WaitForSingleObject(child.process, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(child.process, &exitCode);
    std::printf("[exit %lu]\n", static_cast<unsigned long>(exitCode));
    return 0;
}

int Kill(const Child& child)
{
    std::string text;
    while (text.find('\n') == std::string::npos && ReadChunk(child.output, text)) {}
    PrintOutput(text);
    std::fflush(stdout);
    TerminateProcess(child.process, 9);
    if (WaitForSingleObject(child.process, 20000) == WAIT_OBJECT_0) std::printf("[terminated]\n");
    std::fflush(stdout);
    std::string rest;
    while (ReadChunk(child.output, rest)) {}
    PrintOutput(rest);
    std::printf("[pipe closed]\n");
    return 0;
}

void PrependToPath(const char* folder)
{
    char current[32768] = "";
    GetEnvironmentVariableA("PATH", current, sizeof current);
    std::string path = std::string(folder) + ";" + current;
    SetEnvironmentVariableA("PATH", path.c_str());
}

int Usage()
{
    std::fprintf(stderr, "usage: runner [--path FOLDER] [--in FOLDER] run|kill COMMAND-LINE\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);  // the child's bytes as they came
    int next = 1;
    if (next + 1 < argc && std::strcmp(argv[next], "--path") == 0) {
        PrependToPath(argv[next + 1]);
        next += 2;
    }
    if (next + 1 < argc && std::strcmp(argv[next], "--in") == 0) {
        if (!SetCurrentDirectoryA(argv[next + 1])) return Usage();
        next += 2;
    }
    if (argc - next != 2) return Usage();
    std::string mode = argv[next];
    if (mode != "run" && mode != "kill") return Usage();
    Child child;
    if (!Start(argv[next + 1], child)) return 0;
    int status = mode == "run" ? Run(child) : Kill(child);
    CloseHandle(child.output);
    CloseHandle(child.process);
    return status;
}
