// newproject-test COMMANDS RESULTS: the test host window with a New Project
// dialog over a stand-in host (StandInHost.h), driven by a test script.
// Commands (besides the host's own):
//   doc start | doc changed KEY PATH | doc unsaved KEY | doc saved KEY PATH
//   | doc stuck KEY PATH (changed, and a save never completes)
//   item KEY PATH          a file item in the explorer's tree
//   batch PATH             the solution's build batch
//   box ID                 the button the next message box gets (else IDCANCEL)
//   folder [PATH]          the folder the next browse gives ("" when absent)
//   show                   shows the dialog; "shown" and its look follow,
//                          "closed <code>" when it ends
//   look                   the dialog's controls, one line each
//   set ID [TEXT]          a control's text
//   select ID ROW          a combo box's row (-1: none)
//   control ID             a control's screen rectangle, "screen L T R B"
//   state                  the stand-in's documents, items and values; the current folder
// In texts "%20" stands for a blank. Message boxes and the folder browser
// print "box <title>|<text>|<flags>" and "browse <owner is the dialog>".
#include <windows.h>

#include <deque>
#include <memory>
#include <sstream>
#include <string>

#include "Boundary.h"
#include "CommandChannel.h"
#include "CommonControls.h"
#include "Dialogs.h"
#include "HostWindow.h"
#include "MessagePump.h"
#include "NewProjectDialog.h"
#include "StandInHost.h"
#include "Texts.h"
#include "WindowText.h"

namespace {

using kforge::HostWindow;

HostWindow* host = nullptr;
kforge::StandInHost* standIn = nullptr;
std::unique_ptr<kforge::NewProjectDialog> dialog;
std::deque<int> boxAnswers;
std::deque<std::string> folderAnswers;
bool reported = true;  // the current show's look was printed

std::string Decode(const std::string& text) { return kforge::ReplaceAll(text, "%20", " "); }

std::string Rest(const HostWindow::Words& args, size_t from)
{
    std::string text;
    for (size_t i = from; i < args.size(); ++i) { text += (i > from ? " " : "") + args[i]; }
    return Decode(text);
}

std::string ClassOf(HWND hwnd)
{
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string RectText(HWND hwnd)
{
    RECT rc{};
    GetWindowRect(hwnd, &rc);
    std::ostringstream text;
    text << rc.left << ' ' << rc.top << ' ' << rc.right << ' ' << rc.bottom;
    return text.str();
}

HWND Dialog()
{
    HWND hwnd = dialog ? dialog->Hwnd() : nullptr;
    if (!hwnd) { throw std::runtime_error("the dialog is not shown"); }
    return hwnd;
}

HWND Control(const std::string& id)
{
    HWND control = GetDlgItem(Dialog(), static_cast<int>(kforge::ParseNumber(id)));
    if (!control) { throw std::invalid_argument("no control " + id); }
    return control;
}

void PrintLook()
{
    HWND hwnd = Dialog();
    host->Print("caption [" + kforge::WindowText(hwnd) + "]");
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
        std::string line = "control " + std::to_string(GetDlgCtrlID(child)) + " " + ClassOf(child) + " [" +
                           kforge::WindowText(child) + "] rect " + RectText(child);
        if (ClassOf(child) == "Button") {
            line += std::string(" default ") + ((style & 0x0F) == BS_DEFPUSHBUTTON ? "1" : "0");
        }
        if (ClassOf(child) == "ComboBox") {
            line += " selected " + std::to_string(SendMessageA(child, CB_GETCURSEL, 0, 0)) + " rows";
            const int count = static_cast<int>(SendMessageA(child, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                char row[64] = "";
                SendMessageA(child, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(row));
                line += std::string(" [") + row + "]";
            }
        }
        host->Print(line);
    }
    RECT rc{};
    GetWindowRect(hwnd, &rc);
    host->Print("placement " + RectText(hwnd) + " screen " + std::to_string(GetSystemMetrics(SM_CXSCREEN)) +
                " " + std::to_string(GetSystemMetrics(SM_CYSCREEN)));
}

void CALLBACK OnReportTimer(HWND, UINT, UINT_PTR, DWORD)
{
    kforge::CallGuarded([] {
        HWND hwnd = dialog ? dialog->Hwnd() : nullptr;
        if (reported || !hwnd || !IsWindowVisible(hwnd)) { return; }
        reported = true;
        PrintLook();
        host->Print("shown");
    });
}

void CALLBACK OnShowTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    kforge::CallGuarded([] {
        reported = false;
        const int code = dialog->ShowModal(host->Hwnd());
        host->Print("closed " + std::to_string(code));
    });
}

kforge::DialogAnswer Answer(const kforge::DialogRequest& request)
{
    kforge::DialogAnswer answer;
    const bool fromDialog = dialog && request.owner && request.owner == dialog->Hwnd();
    if (request.kind == kforge::DialogKind::Folder) {
        host->Print(std::string("browse ") + (fromDialog ? "dialog" : "other"));
        if (!folderAnswers.empty()) {
            answer.path = folderAnswers.front();
            folderAnswers.pop_front();
        }
        return answer;
    }
    host->Print("box " + request.title + "|" + request.text + "|" + std::to_string(request.flags) + "|" +
                (fromDialog                      ? "dialog"
                 : request.owner == host->Hwnd() ? "host"
                                                 : "other"));
    if (!boxAnswers.empty()) {
        answer.button = boxAnswers.front();
        boxAnswers.pop_front();
    }
    return answer;
}

kforge::StandInDocument EditorDocument(const std::string& kind, const std::string& key,
                                       const std::string& path)
{
    kforge::StandInDocument d;
    d.key = key;
    d.fileName = kind == "unsaved" ? "" : path;
    d.caption = d.fileName.empty() ? " Blank * " : " " + d.fileName + " ";
    d.changed = kind == "changed" || kind == "stuck";
    d.saveWorks = kind != "stuck";
    return d;
}

void AddCommands()
{
    host->AddCommand("doc", [](const HostWindow::Words& args) {
        if (args.empty()) { throw std::invalid_argument("doc KIND ..."); }
        kforge::StandInDocument d;
        if (args[0] == "start") {
            d.caption = " Start Page ";
            d.key = "Startup";
            d.editor = false;
        } else {
            d = EditorDocument(args[0], args.size() > 1 ? args[1] : "", Rest(args, 2));
        }
        host->Print("document " + std::to_string(standIn->AddDocument(d)));
    });
    host->AddCommand("item",
                     [](const HostWindow::Words& args) { standIn->AddFileItem(args.at(0), Rest(args, 1)); });
    host->AddCommand(
        "batch", [](const HostWindow::Words& args) { standIn->Values().solutionBuildBatch = Rest(args, 0); });
    host->AddCommand("box", [](const HostWindow::Words& args) {
        boxAnswers.push_back(static_cast<int>(kforge::ParseNumber(args.at(0))));
    });
    host->AddCommand("folder", [](const HostWindow::Words& args) { folderAnswers.push_back(Rest(args, 0)); });
    host->AddCommand("show", [](const HostWindow::Words&) {
        if (dialog->Hwnd()) { throw std::runtime_error("the dialog shows already"); }
        SetTimer(nullptr, 0, 1, OnShowTimer);
    });
    host->AddCommand("look", [](const HostWindow::Words&) { PrintLook(); });
    host->AddCommand("set", [](const HostWindow::Words& args) {
        SetWindowTextA(Control(args.at(0)), Rest(args, 1).c_str());
    });
    host->AddCommand("select", [](const HostWindow::Words& args) {
        SendMessageA(Control(args.at(0)), CB_SETCURSEL, static_cast<WPARAM>(kforge::ParseNumber(args.at(1))),
                     0);
    });
    host->AddCommand("control", [](const HostWindow::Words& args) {
        host->Print("screen " + RectText(Control(args.at(0))));
    });
    host->AddCommand("state", [](const HostWindow::Words&) {
        standIn->PrintState();
        char folder[MAX_PATH] = "";
        GetCurrentDirectoryA(sizeof folder, folder);
        host->Print(std::string("cwd [") + folder + "]");
    });
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3) { return 2; }
    kforge::InitCommonControlsOnce();
    kforge::CommandChannel channel(__argv[1], __argv[2]);
    HostWindow hostWindow(channel);
    host = &hostWindow;
    kforge::StandInHost stand([](const std::string& line) { host->Print(line); });
    standIn = &stand;
    dialog = std::make_unique<kforge::NewProjectDialog>(stand);
    kforge::SetDialogHandler(Answer);
    AddCommands();
    if (!hostWindow.CreateMain()) {
        channel.WriteResult("error: the host window was not created");
        return 1;
    }
    const UINT_PTR reportTimer = SetTimer(nullptr, 0, 50, OnReportTimer);
    channel.WriteResult("ready");
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    KillTimer(nullptr, reportTimer);
    dialog.reset();
    kforge::SetDialogHandler(nullptr);
    return static_cast<int>(msg.wParam);
}
