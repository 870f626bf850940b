#include "RunnerCommands.h"

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "CommandRunner.h"
#include "Gdi.h"
#include "OutputPane.h"
#include "Placement.h"
#include "RunDialog.h"
#include "WindowIcons.h"

namespace kforge {

namespace {

using Words = HostWindow::Words;

std::string Join(Words::const_iterator begin, Words::const_iterator end)
{
    std::string text;
    for (auto word = begin; word != end; ++word) { text += (text.empty() ? "" : " ") + *word; }
    return text;
}

RECT RectArgument(const Words& args, size_t first)
{
    if (args.size() < first + 4) { throw std::invalid_argument("missing L T R B"); }
    auto at = [&](size_t i) { return static_cast<int>(ParseNumber(args[first + i])); };
    return RECT{at(0), at(1), at(2), at(3)};
}

std::string Handle(const void* handle) { return std::to_string(reinterpret_cast<uintptr_t>(handle)); }

std::string BoxText(HWND box)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string FontOf(HWND box)
{
    HDC dc = GetDC(box);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0)));
    char face[LF_FACESIZE] = "";
    GetTextFaceA(dc, sizeof face, face);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(box, dc);
    // The bit TMPF_FIXED_PITCH is set for a variable pitch font.
    return std::string("font ") + face +
           ((metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) ? " variable" : " fixed");
}

void AddPaneCommands(HostWindow& host, std::shared_ptr<OutputPane> pane)
{
    host.AddCommand("pane", [&host, pane](const Words& args) {
        if (!pane->Create(host.Hwnd(), RectArgument(args, 0))) { throw std::runtime_error("no pane"); }
        host.AddChild("pane", pane->Hwnd());
        host.AddChild("selector", pane->ViewSelector());
        host.AddChild("text", pane->Edit());
    });
    host.AddCommand("exec", [&host, pane](const Words& args) {
        host.Print("exit " + std::to_string(ExecCmd(Join(args.begin(), args.end()), pane->Edit())));
    });
    host.AddCommand("exec-nobox", [&host](const Words& args) {
        host.Print("exit " + std::to_string(ExecCmd(Join(args.begin(), args.end()), nullptr)));
    });
    host.AddCommand("tool", [&host, pane](const Words& args) {
        if (args.empty()) { throw std::invalid_argument("tool TEMPLATE... FILE"); }
        const int code = RunToolCommand(*pane, host.Hwnd(), Join(args.begin(), args.end() - 1), args.back());
        host.Print("exit " + std::to_string(code));
    });
    host.AddCommand("savetext", [pane](const Words& args) {
        if (args.size() != 1) { throw std::invalid_argument("savetext FILE"); }
        std::ofstream(args[0], std::ios::binary) << BoxText(pane->Edit());
    });
    host.AddCommand("settext", [pane](const Words& args) { pane->SetText(Join(args.begin(), args.end())); });
    host.AddCommand(
        "view", [&host, pane](const Words&) { host.Print("view [" + BoxText(pane->ViewSelector()) + "]"); });
    host.AddCommand("choose", [pane](const Words& args) {
        if (args.size() != 1) { throw std::invalid_argument("choose INDEX"); }
        HWND selector = pane->ViewSelector();
        SendMessageA(selector, CB_SETCURSEL, static_cast<WPARAM>(ParseNumber(args[0])), 0);
        SendMessageA(pane->Hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(selector), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(selector));
    });
    host.AddCommand("font", [&host, pane](const Words&) { host.Print(FontOf(pane->Edit())); });
}

void AddWindowCommands(HostWindow& host)
{
    host.AddCommand("place", [&host](const Words& args) {
        const RECT rc = RectArgument(args, 1);
        MoveWindow(host.Child(args[0]), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    });
    host.AddCommand("focus",
                    [&host](const Words& args) { SetFocus(host.Child(args.empty() ? "" : args[0])); });
    host.AddCommand("cd", [](const Words& args) {
        if (args.size() != 1 || !SetCurrentDirectoryA(args[0].c_str())) {
            throw std::runtime_error("cd failed");
        }
    });
    host.AddCommand("twips", [&host](const Words&) {
        host.Print("twips " + std::to_string(TwipsPerPixelX()) + " " + std::to_string(TwipsPerPixelY()));
    });
    host.AddCommand("popup", [&host](const Words& args) {
        if (args.size() != 6) { throw std::invalid_argument("popup NAME L T R B OWNER"); }
        const RECT rc = RectArgument(args, 1);
        HWND popup =
            CreateWindowExA(0, "STATIC", args[0].c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                            rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, host.Child(args[5]),
                            nullptr, GetModuleHandleA(nullptr), nullptr);
        host.AddChild(args[0], popup);
    });
    host.AddCommand("screen", [&host](const Words&) {
        host.Print("screen " + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " " +
                   std::to_string(GetSystemMetrics(SM_CYSCREEN)));
    });
    host.AddCommand("center", [&host](const Words& args) {
        if (args.size() != 2) { throw std::invalid_argument("center NAME DIVISOR"); }
        CenterForm(host.Child(args[0]), static_cast<int>(ParseNumber(args[1])));
    });
    host.AddCommand("seticon", [&host](const Words& args) {
        if (args.size() != 3) { throw std::invalid_argument("seticon NAME ICON ALSO"); }
        SetFormIcon(host.Child(args[0]), args[1], ParseNumber(args[2]) != 0);
    });
    host.AddCommand("icons", [&host](const Words& args) {
        HWND window = host.Child(args.empty() ? "" : args[0]);
        host.Print("icons " + Handle(reinterpret_cast<void*>(SendMessageA(window, WM_GETICON, ICON_BIG, 0))) +
                   " " + Handle(reinterpret_cast<void*>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0))));
    });
    host.AddCommand("loadicon", [&host](const Words& args) {
        const std::string name = args.empty() ? "" : args[0];
        auto load = [&](int width, int height) {
            return Handle(LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON,
                                     GetSystemMetrics(width), GetSystemMetrics(height), LR_SHARED));
        };
        host.Print("loadicon " + load(SM_CXICON, SM_CYICON) + " " + load(SM_CXSMICON, SM_CYSMICON));
    });
    host.AddCommand("rundialog", [&host](const Words&) {
        host.Print(std::string("rundialog ") + (FindRunDialog() ? "1" : "0"));
    });
}

}  // namespace

void AddRunnerCommands(HostWindow& host)
{
    AddPaneCommands(host, std::make_shared<OutputPane>());
    AddWindowCommands(host);
}

}  // namespace kforge
