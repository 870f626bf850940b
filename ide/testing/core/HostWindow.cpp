#include "HostWindow.h"

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <utility>

#include "Boundary.h"
#include "Dialogs.h"

namespace kforge {

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMilliseconds = 20;

std::string JoinWords(const HostWindow::Words& words)
{
    std::string text;
    for (const std::string& word : words) { text += (text.empty() ? "" : " ") + word; }
    return text;
}

int Coordinate(const HostWindow::Words& args, size_t index)
{
    if (index >= args.size()) { throw std::invalid_argument("missing coordinate"); }
    return static_cast<int>(ParseNumber(args[index]));
}

}  // namespace

long long ParseNumber(const std::string& text)
{
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || errno == ERANGE) {
        throw std::invalid_argument("not a number: " + text);
    }
    return value;
}

HostWindow::HostWindow(CommandChannel& channel) : channel_(channel)
{
    AddBuiltInCommands();
    SetDialogHandler([this](const DialogRequest& request) { return AnswerDialog(request); });
}

HostWindow::~HostWindow() { SetDialogHandler(nullptr); }

DialogAnswer HostWindow::AnswerDialog(const DialogRequest& request)
{
    Print("dialog " + request.title + ": " + request.text);
    DialogAnswer answer;
    if (!answers_.empty()) {
        answer.button = answers_.front();
        answers_.pop_front();
    }
    return answer;
}

bool HostWindow::CreateMain()
{
    WindowSpec spec;
    spec.className = "KTestHost";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    spec.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
    spec.title = "kforge test host";
    spec.rect = {0, 0, 640, 480};
    return Create(spec) && SetTimer(Hwnd(), kPollTimer, kPollMilliseconds, nullptr) != 0;
}

void HostWindow::AddCommand(const std::string& name, Command command)
{
    commands_[name] = std::move(command);
}

void HostWindow::Print(const std::string& line) { channel_.WriteResult(line); }

HWND HostWindow::Child(const std::string& name) const
{
    auto found = children_.find(name);
    if (found == children_.end()) { throw std::invalid_argument("no window named " + name); }
    return found->second;
}

void HostWindow::AddChild(const std::string& name, HWND hwnd)
{
    if (!hwnd) { throw std::runtime_error("the window " + name + " was not created"); }
    children_[name] = hwnd;
}

void HostWindow::RemoveChild(const std::string& name) { children_.erase(name); }

// static NAME L T R B: a STATIC child that reports clicks (SS_NOTIFY).
// send NAME MSG WPARAM LPARAM: prints "result <value>".
// where NAME: prints the window's screen rectangle, "screen L T R B".
// destroy NAME, quit.
// answer ID: the button the next message box gets (else IDCANCEL).
// message TEXT...: a message box through the dialog seam, which prints
// "dialog <title>: <text>"; then prints "button <id>".
void HostWindow::AddBuiltInCommands()
{
    AddCommand("static", [this](const Words& args) {
        if (args.empty()) { throw std::invalid_argument("static NAME L T R B"); }
        const int left = Coordinate(args, 1), top = Coordinate(args, 2);
        HWND child = CreateWindowExA(0, "STATIC", args[0].c_str(), WS_CHILD | WS_VISIBLE | SS_NOTIFY, left,
                                     top, Coordinate(args, 3) - left, Coordinate(args, 4) - top, Hwnd(),
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
        AddChild(args[0], child);
    });
    AddCommand("send", [this](const Words& args) {
        if (args.size() != 4) { throw std::invalid_argument("send NAME MSG WPARAM LPARAM"); }
        LRESULT result = SendMessageA(Child(args[0]), static_cast<UINT>(ParseNumber(args[1])),
                                      static_cast<WPARAM>(ParseNumber(args[2])),
                                      static_cast<LPARAM>(ParseNumber(args[3])));
        Print("result " + std::to_string(result));
    });
    AddCommand("where", [this](const Words& args) {
        RECT rc{};
        GetWindowRect(Child(args.empty() ? "" : args[0]), &rc);
        Print("screen " + std::to_string(rc.left) + " " + std::to_string(rc.top) + " " +
              std::to_string(rc.right) + " " + std::to_string(rc.bottom));
    });
    AddCommand("destroy", [this](const Words& args) {
        const std::string name = args.empty() ? "" : args[0];
        DestroyWindow(Child(name));
        RemoveChild(name);
    });
    AddCommand("answer", [this](const Words& args) {
        answers_.push_back(static_cast<int>(ParseNumber(args.empty() ? "" : args[0])));
    });
    AddCommand("message", [this](const Words& args) {
        Print("button " + std::to_string(ShowMessage(Hwnd(), JoinWords(args), "Test host", MB_OKCANCEL)));
    });
    AddCommand("quit", [](const Words&) { PostQuitMessage(0); });
}

LRESULT HostWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_TIMER:
            if (wParam == kPollTimer) {
                RunPendingCommands();
                return 0;
            }
            break;
        case WM_DESTROY:
            KillTimer(Hwnd(), kPollTimer);
            PostQuitMessage(0);
            return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

void HostWindow::RunPendingCommands()
{
    for (const std::string& line : channel_.TakeNewCommands()) {
        if (!SplitWords(line).empty()) { Run(line); }
    }
}

void HostWindow::Run(const std::string& line)
{
    const int number = ++commandCount_;
    Words words = SplitWords(line);
    const std::string name = words.front();
    words.erase(words.begin());
    auto found = commands_.find(name);
    if (found == commands_.end()) {
        Print("error " + std::to_string(number) + ": unknown command " + name);
        return;
    }
    try {
        found->second(words);
        Print("done " + std::to_string(number));
    } catch (const std::exception& error) {
        Print("error " + std::to_string(number) + ": " + error.what());
    } catch (...) {
        Print("error " + std::to_string(number) + ": failed");
    }
}

}  // namespace kforge
