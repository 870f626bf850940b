// addvalue-test RESULTS TEXT...: shows one shared Add Value dialog over an
// owner window once per TEXT, given as its ReturnValue. While a show is
// up, a timer reports what the dialog looks like (once per show, ending
// with "ready <n>"); after each show the result and the ReturnValue follow
// ("closed <n> <code> [<value>]"). A test script answers each show with
// keys or clicks; the lines go to the file RESULTS as they happen.
#include <windows.h>

#include <sstream>
#include <string>

#include "AddValueDialog.h"
#include "Boundary.h"
#include "CommandChannel.h"
#include "MessagePump.h"
#include "WindowText.h"

namespace {

kforge::CommandChannel* channel = nullptr;
HWND owner = nullptr;
int showNumber = 0;
int reportedShow = 0;

std::string ClassOf(HWND hwnd)
{
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string RectText(const RECT& rect)
{
    std::ostringstream text;
    text << rect.left << ' ' << rect.top << ' ' << rect.right << ' ' << rect.bottom;
    return text.str();
}

void ReportControl(HWND control)
{
    const std::string kind = ClassOf(control);
    const std::string text = "[" + kforge::WindowText(control) + "]";
    RECT rect;
    GetWindowRect(control, &rect);
    if (kind == "Edit") {
        DWORD start = 0, end = 0;
        SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        channel->WriteResult("text " + text + " selection " + std::to_string(start) + " " +
                             std::to_string(end));
    } else if (kind == "Button") {
        const bool isDefault = (GetWindowLongPtrA(control, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
        channel->WriteResult("button " + std::to_string(GetDlgCtrlID(control)) + " " + text + " default " +
                             (isDefault ? "1" : "0") + " rect " + RectText(rect));
    } else if (kind == "KDialogHeader") {
        channel->WriteResult("header " + text);
    } else {
        channel->WriteResult("label " + text);
    }
}

void ReportDialog(HWND dialog)
{
    channel->WriteResult("shown " + std::to_string(showNumber) + " caption [" + kforge::WindowText(dialog) +
                         "]");
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ReportControl(child);
    }
    HWND focus = GetFocus();
    channel->WriteResult("focus " + ClassOf(focus) + " " + std::to_string(GetDlgCtrlID(focus)));
    channel->WriteResult(std::string("owner-enabled ") + (IsWindowEnabled(owner) ? "1" : "0"));
    RECT rect;
    GetWindowRect(dialog, &rect);
    channel->WriteResult("placement " + RectText(rect) + " screen " +
                         std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " " +
                         std::to_string(GetSystemMetrics(SM_CYSCREEN)));
    channel->WriteResult("ready " + std::to_string(showNumber));
}

void CALLBACK OnReportTimer(HWND, UINT, UINT_PTR, DWORD)
{
    kforge::CallGuarded([] {
        HWND dialog = kforge::ActiveModalDialog();
        if (dialog && IsWindowVisible(dialog) && reportedShow != showNumber) {
            reportedShow = showNumber;
            ReportDialog(dialog);
        }
    });
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 2) { return 2; }
    kforge::CommandChannel results("", __argv[1]);
    channel = &results;
    owner = CreateWindowExA(0, "STATIC", "Add Value test owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                            300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!owner) { return 1; }
    UINT_PTR timer = SetTimer(nullptr, 0, 100, OnReportTimer);
    kforge::AddValueDialog dialog;
    for (int i = 2; i < __argc; ++i) {
        ++showNumber;
        dialog.SetReturnValue(__argv[i]);
        const int code = dialog.ShowModal(owner);
        results.WriteResult("closed " + std::to_string(showNumber) + " " + std::to_string(code) + " [" +
                            dialog.ReturnValue() + "] owner-enabled " + (IsWindowEnabled(owner) ? "1" : "0"));
    }
    KillTimer(nullptr, timer);
    DestroyWindow(owner);
    results.WriteResult("end");
    return 0;
}
