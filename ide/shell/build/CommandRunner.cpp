#include "CommandRunner.h"

#include <algorithm>

#include "CommandTemplate.h"
#include "Dialogs.h"
#include "LineEndConverter.h"
#include "OutputPane.h"

namespace kforge {

namespace {

// STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES, and the undocumented bit
// 0x00100000, kept as it is.
constexpr DWORD kStartFlags = 0x00100101;
constexpr DWORD kChunkBytes = 256;
constexpr DWORD kExitWaitMilliseconds = 5000;
constexpr size_t kMinBurstBytes = 4096;

const char* const kEmptyCommandMessage =
    "  Error in compiling file !   \r\n"
    "  Please, check your setting to path for compiler.  \r\n"
    "  You can compile only saved file.   ";

// Shows a stream in a box as it arrives: the box is emptied at the first
// read, then the text read is appended at its end (the same text as
// replacing it all, without copying the whole text each time).
class BoxWriter {
public:
    explicit BoxWriter(HWND box) : box_(box) {}

    void Add(const char* data, DWORD size)
    {
        if (box_) { pending_ += lineEnds_.Convert(data, size); }
    }

    // Appending costs the box time in proportion to all the text it holds,
    // so a burst that is still arriving is gathered until it is as long as
    // what the box shows: the total cost stays in proportion to the output.
    bool WantsMore() const { return pending_.size() < std::max(kMinBurstBytes, shown_); }

    void Show()
    {
        if (!box_) { return; }
        if (!cleared_) {
            SendMessageA(box_, EM_SETLIMITTEXT, 0, 0);
            SetWindowTextA(box_, "");
            cleared_ = true;
        }
        if (pending_.empty()) { return; }
        const LRESULT end = GetWindowTextLengthA(box_);
        SendMessageA(box_, EM_SETSEL, end, end);
        SendMessageA(box_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pending_.c_str()));
        UpdateWindow(box_);
        shown_ += pending_.size();
        pending_.clear();
    }

private:
    HWND box_;
    bool cleared_ = false;
    size_t shown_ = 0;
    std::string pending_;  // read, not shown yet
    LineEndConverter lineEnds_;
};

bool StartHidden(const std::string& command, HANDLE output, SECURITY_ATTRIBUTES& attributes,
                 PROCESS_INFORMATION& process)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = kStartFlags;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = output;
    std::string commandLine = command;  // CreateProcessA may write into it
    return CreateProcessA(nullptr, commandLine.data(), &attributes, &attributes, TRUE, NORMAL_PRIORITY_CLASS,
                          nullptr, nullptr, &startup, &process) != FALSE;
}

bool MoreWaiting(HANDLE pipe)
{
    DWORD waiting = 0;
    return PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0;
}

// The box shows everything read whenever the pipe has nothing more waiting.
void ReadUntilClosed(HANDLE pipe, BoxWriter& writer)
{
    char buffer[kChunkBytes];
    for (;;) {
        DWORD count = 0;
        const bool read = ReadFile(pipe, buffer, kChunkBytes, &count, nullptr) != FALSE;
        if (read) { writer.Add(buffer, count); }
        if (!read || !MoreWaiting(pipe) || !writer.WantsMore()) { writer.Show(); }
        if (!read) { return; }
    }
}

int ExitCodeOf(const PROCESS_INFORMATION& process)
{
    WaitForSingleObject(process.hProcess, kExitWaitMilliseconds);
    DWORD code = 0;
    const bool known = GetExitCodeProcess(process.hProcess, &code) != FALSE;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return known ? static_cast<int>(code) : kNotStarted;
}

}  // namespace

int ExecCmd(const std::string& command, HWND box)
{
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) { return kNotStarted; }
    // Only the write end goes to the child: a child holding the read end
    // too would keep the pipe open after it ended.
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    PROCESS_INFORMATION process{};
    const bool started = StartHidden(command, writeEnd, inheritable, process);
    CloseHandle(writeEnd);  // the pipe closes when the child's copies do
    BoxWriter writer(box);
    ReadUntilClosed(readEnd, writer);
    CloseHandle(readEnd);
    return started ? ExitCodeOf(process) : kNotStarted;
}

int RunToolCommand(OutputPane& pane, HWND owner, const std::string& commandTemplate, const std::string& file)
{
    const std::string command = SubstituteCommand(commandTemplate, file);
    pane.SelectOutputView();
    if (command.empty()) {
        ShowMessage(owner, kEmptyCommandMessage, "Build ...", MB_OK | MB_ICONHAND);
        return kNotStarted;
    }
    return ExecCmd(command, pane.Edit());
}

}  // namespace kforge
