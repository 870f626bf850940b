#include "TaskListCommands.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include "TaskListPane.h"
#include "WindowText.h"

namespace kforge {

namespace {

using Words = HostWindow::Words;
using PaneHolder = std::shared_ptr<std::unique_ptr<TaskListPane>>;

int Number(const Words& args, size_t index)
{
    if (index >= args.size()) {
        throw std::invalid_argument("missing argument " + std::to_string(index + 1));
    }
    return static_cast<int>(ParseNumber(args[index]));
}

std::string Bracketed(const std::string& text) { return "[" + text + "]"; }

std::string Rect(const RECT& rc)
{
    return std::to_string(rc.left) + " " + std::to_string(rc.top) + " " + std::to_string(rc.right) + " " +
           std::to_string(rc.bottom);
}

// A part's rectangle in the pane's client pixels.
std::string PlaceIn(HWND pane, HWND part)
{
    RECT rc{};
    GetWindowRect(part, &rc);
    MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&rc), 2);
    return Rect(rc);
}

std::string FaceOf(HFONT font)
{
    LOGFONTA info{};
    if (!font || !GetObjectA(font, sizeof info, &info)) { return "none"; }
    return info.lfFaceName;
}

// The caption without its blanks: "Add Task" is the window "AddTask".
std::string ButtonName(std::string caption)
{
    caption.erase(std::remove(caption.begin(), caption.end(), ' '), caption.end());
    return caption;
}

TaskListPane& PaneOf(const PaneHolder& holder)
{
    if (!*holder) { throw std::runtime_error("no pane"); }
    return **holder;
}

const char* const kPartNames[] = {"pane", "strip", "title", "list", "list.box", "edit"};

void AddChildren(HostWindow& host, const TaskListPane& pane)
{
    host.AddChild("pane", pane.Hwnd());
    host.AddChild("strip", pane.Strip());
    host.AddChild("title", pane.Title());
    host.AddChild("list", pane.Tasks()->Hwnd());
    host.AddChild("list.box", pane.Tasks()->ListWindow());
    host.AddChild("edit", pane.Tasks()->EditWindow());
    for (const auto& button : pane.Buttons()) {
        host.AddChild(ButtonName(button->Caption()), button->Hwnd());
    }
}

void RemoveChildren(HostWindow& host, const TaskListPane& pane)
{
    for (const char* name : kPartNames) { host.RemoveChild(name); }
    for (const auto& button : pane.Buttons()) { host.RemoveChild(ButtonName(button->Caption())); }
}

std::string FocusName(const ListCtl& list)
{
    HWND focus = GetFocus();
    if (focus && focus == list.EditWindow()) { return "edit"; }
    if (focus && focus == list.ListWindow()) { return "list"; }
    return "other";
}

void AddPaneLifeCommands(HostWindow& host, ShellValues& values, const PaneHolder& holder)
{
    host.AddCommand("pane", [&host, &values, holder](const Words& args) {
        if (*holder) { throw std::runtime_error("the pane exists"); }
        auto pane = std::make_unique<TaskListPane>(values);
        const RECT rc{Number(args, 0), Number(args, 1), Number(args, 2), Number(args, 3)};
        if (!pane->Create(host.Hwnd(), rc)) { throw std::runtime_error("the pane was not created"); }
        AddChildren(host, *pane);
        *holder = std::move(pane);
    });
    host.AddCommand("close", [&host, holder](const Words&) {
        RemoveChildren(host, PaneOf(holder));
        holder->reset();
    });
    host.AddCommand("solution", [&values](const Words& args) {
        const std::string blanks(static_cast<size_t>(Number(args, 0)), ' ');
        std::string text;
        for (size_t i = 1; i < args.size(); ++i) { text += (i > 1 ? " " : "") + args[i]; }
        if (text == "\"\"") { text.clear(); }
        values.solutionPath = blanks + text + blanks;
    });
    host.AddCommand("load", [holder](const Words&) { PaneOf(holder).LoadTasks(); });
    host.AddCommand("save", [holder](const Words&) { PaneOf(holder).SaveTasks(); });
}

void AddListCommands(HostWindow& host, const PaneHolder& holder)
{
    host.AddCommand("items", [&host, holder](const Words&) {
        const ListCtl& list = *PaneOf(holder).Tasks();
        host.Print("count " + std::to_string(list.ListCount()));
        for (int i = 0; i < list.ListCount(); ++i) {
            host.Print("item " + std::to_string(i) + " " + Bracketed(list.List(i)));
        }
        host.Print("selected " + std::to_string(list.ListIndex()));
    });
    host.AddCommand("select",
                    [holder](const Words& args) { PaneOf(holder).Tasks()->SetListIndex(Number(args, 0)); });
    host.AddCommand("editing", [&host, holder](const Words&) {
        const ListCtl& list = *PaneOf(holder).Tasks();
        const bool shown = IsWindowVisible(list.EditFrameWindow()) != FALSE;
        host.Print(std::string("editing ") + (shown ? "1 " : "0 ") +
                   Bracketed(WindowText(list.EditWindow())) + " focus=" + FocusName(list));
    });
    host.AddCommand("focus", [&host](const Words& args) {
        if (args.empty()) { throw std::invalid_argument("focus NAME"); }
        SetFocus(host.Child(args[0]));
    });
}

void AddLookCommands(HostWindow& host, const PaneHolder& holder)
{
    host.AddCommand("resize", [holder](const Words& args) {
        SetWindowPos(PaneOf(holder).Hwnd(), nullptr, 0, 0, Number(args, 0), Number(args, 1),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
    host.AddCommand("layout", [&host, holder](const Words&) {
        const TaskListPane& pane = PaneOf(holder);
        RECT client{};
        GetClientRect(pane.Hwnd(), &client);
        host.Print("client " + std::to_string(client.right) + " " + std::to_string(client.bottom));
        host.Print("strip " + PlaceIn(pane.Hwnd(), pane.Strip()));
        host.Print("title " + PlaceIn(pane.Hwnd(), pane.Title()));
        host.Print("list " + PlaceIn(pane.Hwnd(), pane.Tasks()->Hwnd()));
    });
    host.AddCommand("look", [&host, holder](const Words&) {
        const TaskListPane& pane = PaneOf(holder);
        const ListCtl& list = *pane.Tasks();
        host.Print("ItemHeight " + std::to_string(list.ItemHeight()));
        host.Print("Font " + FaceOf(list.Font()));
        host.Print("ListImage " + list.ListImage());
        host.Print("title " + Bracketed(WindowText(pane.Title())));
        int i = 0;
        for (const auto& button : pane.Buttons()) {
            host.Print("button " + std::to_string(i++) + " " + Bracketed(button->Caption()));
        }
    });
}

}  // namespace

void AddTaskListCommands(HostWindow& host, ShellValues& values)
{
    auto holder = std::make_shared<std::unique_ptr<TaskListPane>>();
    AddPaneLifeCommands(host, values, holder);
    AddListCommands(host, holder);
    AddLookCommands(host, holder);
}

}  // namespace kforge
