// The Winelib launcher: a Windows program under Wine that runs the Linux tool
// of its own name, so that Windows programs (the IDE) can start kln, bcc32,
// ilink32 and tlib with a pipe for their output and get their exit code back.
// A Linux program started directly by CreateProcess gets neither.
//
// Installed as <base>\kln.exe (and bcc32.exe, ...), it runs <base>/bin/kln
// with <base>/bin first on PATH, so that kln finds the front-ends. The tool
// gets the arguments as Wine split the command line, with absolute DOS paths
// turned into Unix paths (kln's module name into a path relative to the
// current folder), the launcher's current folder, no input, and its
// output and error output relayed to the launcher's own standard handles.

#include <windows.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace kforge {
namespace {

// Exit status of the launcher when the tool could not be started.
constexpr int kCannotRunStatus = 127;

std::string ToUtf8(const WCHAR* text)
{
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return "";
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.pop_back();  // the terminator
    return result;
}

// The Unix path of a DOS path, or "" when Wine cannot map it.
std::string UnixPath(const WCHAR* dosPath)
{
    char* unixPath = wine_get_unix_file_name(dosPath);
    if (!unixPath) return "";
    std::string result(unixPath);
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

bool IsAbsoluteDosPath(const WCHAR* text)
{
    bool driveLetter = (text[0] >= u'A' && text[0] <= u'Z') || (text[0] >= u'a' && text[0] <= u'z');
    return driveLetter && text[1] == u':' && text[2] == u'\\';
}

// An argument as the tool gets it: an absolute DOS path as its Unix path,
// anything else (or a path Wine cannot map) as its UTF-8 text.
std::string ToolArgument(const WCHAR* argument)
{
    if (IsAbsoluteDosPath(argument)) {
        std::string unixPath = UnixPath(argument);
        if (!unixPath.empty()) return unixPath;
    }
    return ToUtf8(argument);
}

// The launcher's own file as a DOS path (GetModuleFileNameW has no way to
// ask for the length, so the buffer grows until the name fits).
std::u16string OwnDosPath()
{
    std::u16string buffer(MAX_PATH, u'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, reinterpret_cast<WCHAR*>(buffer.data()),
                                          static_cast<DWORD>(buffer.size()));
        if (length == 0) return u"";
        if (length < buffer.size()) return buffer.substr(0, length);
        buffer.resize(buffer.size() * 2);
    }
}

const WCHAR* AsWide(const std::u16string& text) { return reinterpret_cast<const WCHAR*>(text.c_str()); }

bool EndsWithExe(const std::string& name)
{
    if (name.size() < 4) return false;
    std::string extension = name.substr(name.size() - 4);
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return extension == ".exe";
}

// Where the tool lies: "<folder of the launcher>/bin/<launcher name without .exe>".
struct ToolLocation {
    std::string launcherName;  // the launcher's file name, for messages
    std::string binFolder;
    std::string program;
};

bool LocateTool(ToolLocation& location)
{
    std::string launcherPath = UnixPath(AsWide(OwnDosPath()));
    size_t slash = launcherPath.rfind('/');
    if (slash == std::string::npos) return false;
    location.launcherName = launcherPath.substr(slash + 1);
    std::string toolName = location.launcherName;
    if (EndsWithExe(toolName)) toolName.resize(toolName.size() - 4);
    location.binFolder = launcherPath.substr(0, slash) + "/bin";
    location.program = location.binFolder + "/" + toolName;
    return true;
}

// The folders of an absolute Unix path, with "." and empty names left out.
std::vector<std::string> FolderNames(const std::string& path)
{
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= path.size()) {
        size_t slash = path.find('/', start);
        if (slash == std::string::npos) slash = path.size();
        std::string name = path.substr(start, slash - start);
        if (!name.empty() && name != ".") names.push_back(name);
        start = slash + 1;
    }
    return names;
}

// The path with its folder part resolved (links such as Wine's drive
// links followed), so that it compares with the current folder; the path
// as it is when its folder does not exist.
std::string ResolvedPath(const std::string& path)
{
    size_t slash = path.rfind('/');
    std::string folder = path.substr(0, slash == 0 ? 1 : slash);
    char* resolved = realpath(folder.c_str(), nullptr);
    if (!resolved) return path;
    std::string result =
        std::string(resolved) + (std::strcmp(resolved, "/") == 0 ? "" : "/") + path.substr(slash + 1);
    free(resolved);
    return result;
}

// An absolute Unix path as a path relative to the current folder ("Hello.kln",
// "../Other/M.kln"); the path itself when the current folder is unknown.
std::string RelativeToCurrentFolder(const std::string& path)
{
    char* current = getcwd(nullptr, 0);
    if (!current) return path;
    std::vector<std::string> from = FolderNames(current), to = FolderNames(ResolvedPath(path));
    free(current);
    size_t common = 0;
    while (common < from.size() && common < to.size() && from[common] == to[common]) ++common;
    std::string relative;
    for (size_t i = common; i < from.size(); ++i) relative += "../";
    for (size_t i = common; i < to.size(); ++i) relative += to[i] + "/";
    if (relative.empty()) return ".";
    relative.pop_back();  // the slash after the last name
    return relative;
}

// kln reads any argument of two or more characters that begins with '-' or
// '/' as a switch, and the first other argument as its module name.
bool IsKlnSwitch(const WCHAR* argument)
{
    return (argument[0] == u'-' || argument[0] == u'/') && argument[1] != 0;
}

bool IsKln(const ToolLocation& location)
{
    return location.program.size() >= 4 &&
           location.program.compare(location.program.size() - 4, 4, "/kln") == 0;
}

// The tool's arguments. kln's module name given as an absolute DOS path
// (kforge's "%FULL%" and "%PATH%") becomes a path relative to the current
// folder, which the build has made the module's folder: as a Unix path it
// would begin with "/", which kln takes for a switch.
std::vector<std::string> ToolArguments(const ToolLocation& location, int argc, WCHAR** argv)
{
    std::vector<std::string> arguments{location.program};
    bool moduleNamePending = IsKln(location);
    for (int i = 1; i < argc; ++i) {
        std::string argument = ToolArgument(argv[i]);
        if (moduleNamePending && !IsKlnSwitch(argv[i])) {
            moduleNamePending = false;
            if (IsAbsoluteDosPath(argv[i]) && argument[0] == '/')
                argument = RelativeToCurrentFolder(argument);
        }
        arguments.push_back(argument);
    }
    return arguments;
}

// The launcher's Unix environment with the tool folder first on PATH.
std::vector<std::string> ToolEnvironment(const std::string& binFolder)
{
    std::vector<std::string> environment;
    std::string path = "PATH=" + binFolder;
    for (char** entry = environ; *entry; ++entry) {
        if (std::strncmp(*entry, "PATH=", 5) == 0)
            path += std::string(":") + (*entry + 5);
        else
            environment.emplace_back(*entry);
    }
    environment.push_back(path);
    return environment;
}

std::vector<char*> PointersTo(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// A Windows standard handle that can take output, or null.
HANDLE OutputHandle(DWORD which)
{
    HANDLE handle = GetStdHandle(which);
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

// Writes all of the bytes to a Windows handle; false when it fails.
bool WriteAll(HANDLE handle, const char* bytes, size_t count)
{
    while (count > 0) {
        DWORD written = 0;
        DWORD chunk = count > 65536 ? 65536 : static_cast<DWORD>(count);
        if (!WriteFile(handle, bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        count -= written;
    }
    return true;
}

// Writes the launcher's one message line, to its error handle or, when that
// is null, to its output, and gives the launcher's exit status.
int ReportCannotRun(const std::string& launcherName, const std::string& reason)
{
    std::string line = launcherName + ": cannot run " + reason + "\r\n";
    HANDLE handle = OutputHandle(STD_ERROR_HANDLE);
    if (!handle) handle = OutputHandle(STD_OUTPUT_HANDLE);
    if (handle) WriteAll(handle, line.data(), line.size());
    return kCannotRunStatus;
}

// Marks every descriptor above the standard ones close-on-exec, so the tool
// inherits none of Wine's own (the server socket, mapped files).
void CloseWineDescriptorsOnExec()
{
    if (syscall(SYS_close_range, 3u, ~0u, 4u /* CLOSE_RANGE_CLOEXEC */) == 0) return;
    long limit = sysconf(_SC_OPEN_MAX);
    for (int fd = 3; fd < limit; ++fd) fcntl(fd, F_SETFD, FD_CLOEXEC);
}

// Runs in the forked child, so it makes async-signal-safe calls only. The
// child keeps the launcher's Unix working folder, which Wine set to its
// Windows current folder when it started the launcher. When the exec
// fails, its errno goes to failureFd, a close-on-exec pipe that otherwise
// closes empty.
[[noreturn]] void BecomeTool(pid_t launcherPid, int outputFd, int errorFd, int failureFd, const char* program,
                             char** argv, char** envp)
{
    // The tool dies with the launcher: Wine ends a terminated process
    // without running any of its code.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != launcherPid) _exit(kCannotRunStatus);
    sigset_t noSignals;
    sigemptyset(&noSignals);
    sigprocmask(SIG_SETMASK, &noSignals, nullptr);
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    sigaction(SIGPIPE, &defaultAction, nullptr);  // Wine ignores it; the tool gets the usual behaviour

    int nullFd = open("/dev/null", O_RDONLY);
    if (nullFd >= 0) dup2(nullFd, STDIN_FILENO);
    dup2(outputFd, STDOUT_FILENO);
    dup2(errorFd, STDERR_FILENO);
    CloseWineDescriptorsOnExec();

    execve(program, argv, envp);
    int error = errno;
    ssize_t ignored = write(failureFd, &error, sizeof error);
    (void)ignored;
    _exit(kCannotRunStatus);
}

class ToolRun {
public:
    ToolRun(ToolLocation location, std::vector<std::string> arguments)
        : location_(std::move(location)),
          arguments_(std::move(arguments)),
          output_(OutputHandle(STD_OUTPUT_HANDLE)),
          error_(OutputHandle(STD_ERROR_HANDLE))
    {
    }

    // Starts the tool, relays its output until it closes and returns the
    // tool's exit code (128 + the signal when a signal ended it).
    int Run()
    {
        // A child of the IDE has a null error handle: the tool's error
        // output then goes where its output goes, in order.
        bool separateErrors = error_ != nullptr;
        int outputPipe[2], errorPipe[2] = {-1, -1}, failurePipe[2];
        if (pipe2(outputPipe, O_CLOEXEC) != 0 || (separateErrors && pipe2(errorPipe, O_CLOEXEC) != 0) ||
            pipe2(failurePipe, O_CLOEXEC) != 0)
            return CannotRun("no pipe: ", errno);

        std::vector<std::string> environment = ToolEnvironment(location_.binFolder);
        std::vector<char*> argv = PointersTo(arguments_);
        std::vector<char*> envp = PointersTo(environment);
        pid_t launcherPid = getpid();
        pid_t child = fork();
        if (child < 0) return CannotRun("no process: ", errno);
        if (child == 0)
            BecomeTool(launcherPid, outputPipe[1], separateErrors ? errorPipe[1] : outputPipe[1],
                       failurePipe[1], location_.program.c_str(), argv.data(), envp.data());
        close(outputPipe[1]);
        if (separateErrors) close(errorPipe[1]);
        close(failurePipe[1]);

        int execError = 0;
        bool started = ReadFully(failurePipe[0], &execError, sizeof execError) != sizeof execError;
        close(failurePipe[0]);
        Relay(outputPipe[0], separateErrors ? errorPipe[0] : -1);
        int status = 0;
        if (!WaitFor(child, status)) return CannotRun("no exit status: ", errno);
        if (!started) return CannotRun("", execError);
        if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
        return WEXITSTATUS(status);
    }

private:
    static ssize_t ReadFully(int fd, void* buffer, size_t size)
    {
        ssize_t total = 0;
        while (static_cast<size_t>(total) < size) {
            ssize_t n = read(fd, static_cast<char*>(buffer) + total, size - total);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            total += n;
        }
        return total;
    }

    static bool WaitFor(pid_t child, int& status)
    {
        while (waitpid(child, &status, 0) < 0)
            if (errno != EINTR) return false;
        return true;
    }

    // Copies the tool's output pipes to the Windows handles until both
    // close. A handle that fails is dropped, but its pipe is still drained
    // so that the tool never blocks on it.
    void Relay(int outputFd, int errorFd)
    {
        struct Stream {
            int fd;
            HANDLE handle;
        };
        std::vector<Stream> streams{{outputFd, output_}};
        if (errorFd >= 0) streams.push_back({errorFd, error_});
        char buffer[4096];
        while (!streams.empty()) {
            std::vector<pollfd> polled;
            for (const Stream& stream : streams) polled.push_back({stream.fd, POLLIN, 0});
            if (poll(polled.data(), polled.size(), -1) < 0) {
                if (errno == EINTR) continue;
                break;
            }
            for (size_t i = polled.size(); i-- > 0;) {
                if (polled[i].revents == 0) continue;
                ssize_t n = read(streams[i].fd, buffer, sizeof buffer);
                if (n < 0 && errno == EINTR) continue;
                if (n > 0) {
                    if (streams[i].handle && !WriteAll(streams[i].handle, buffer, size_t(n)))
                        streams[i].handle = nullptr;
                    continue;
                }
                close(streams[i].fd);
                streams.erase(streams.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
        for (const Stream& stream : streams) close(stream.fd);
    }

    // "<program>: <step><reason>", the step naming what failed before the exec.
    int CannotRun(const std::string& step, int error)
    {
        return ReportCannotRun(location_.launcherName,
                               location_.program + ": " + step + std::strerror(error));
    }

    ToolLocation location_;
    std::vector<std::string> arguments_;
    HANDLE output_;
    HANDLE error_;
};

}  // namespace
}  // namespace kforge

extern "C" int wmain(int argc, WCHAR** argv)
{
    using namespace kforge;
    ToolLocation location;
    if (!LocateTool(location)) return ReportCannotRun("launcher", "its tool: its own file has no Unix path");
    std::vector<std::string> arguments = ToolArguments(location, argc, argv);
    return ToolRun(std::move(location), std::move(arguments)).Run();
}
