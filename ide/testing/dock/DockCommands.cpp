#include "DockCommands.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kforge {

namespace {

using Words = HostWindow::Words;

std::string Rest(const Words& args, size_t from)
{
    std::string text;
    for (size_t i = from; i < args.size(); ++i) { text += (i > from ? " " : "") + args[i]; }
    return text;
}

const Words& Need(const Words& args, size_t count, const char* usage)
{
    if (args.size() < count) { throw std::invalid_argument(usage); }
    return args;
}

DockSide SideOf(const std::string& name)
{
    if (name == "left") { return DockSide::Left; }
    if (name == "right") { return DockSide::Right; }
    if (name == "bottom") { return DockSide::Bottom; }
    throw std::invalid_argument("no side " + name);
}

// Whether a menu (or a submenu of it) holds an item with that id; its text.
bool FindMenuItem(HMENU menu, UINT id, std::string& text)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU submenu = GetSubMenu(menu, i)) {
            if (FindMenuItem(submenu, id, text)) { return true; }
        } else if (GetMenuItemID(menu, i) == id) {
            char buffer[256] = {};
            GetMenuStringA(menu, i, buffer, sizeof buffer, MF_BYPOSITION);
            text = buffer;
            return true;
        }
    }
    return false;
}

}  // namespace

DockCommands::DockCommands(HostWindow& host) : host_(host)
{
    AddDocumentCommands();
    AddToolCommands();
    AddPaneCommands();
    AddLayoutCommands();
}

bool DockCommands::CreateDock() { return dock_.Create(host_.Hwnd(), this); }

void DockCommands::OnCommand(Tool& tool)
{
    const std::string entry = tool.ClickedEntryText();
    host_.Print("command " + tool.Key() + (entry.empty() ? "" : " entry " + entry));
    if (!entry.empty() && removeClickedEntry_) { tool.RemoveClickedEntry(); }
}

void DockCommands::OnDocumentClosing(DocWindow& window, int mode, bool& cancel)
{
    host_.Print("closing " + std::to_string(window.Id()) + " " + std::to_string(window.Index()) + " " +
                std::to_string(mode));
    cancel = refuse_.count(window.Id()) != 0;
}

void DockCommands::OnDocumentDestroyed(DocWindow& window, int mode)
{
    host_.Print("destroyed " + std::to_string(window.Id()) + " " + std::to_string(mode) + " index " +
                std::to_string(window.Index()));
    window.Close();  // as the shell's handler does: nothing while the window closes
}

void DockCommands::OnDocumentActivated(DocWindow& window)
{
    host_.Print("activated " + std::to_string(window.Id()) + " " + std::to_string(window.Index()));
}

DocWindow& DockCommands::Held(const std::string& id)
{
    auto found = held_.find(static_cast<int>(ParseNumber(id)));
    if (found == held_.end()) { throw std::invalid_argument("no window " + id); }
    return *found->second;
}

Tool& DockCommands::ToolOf(const std::string& key)
{
    Tool* tool = dock_.Tools(key);
    if (!tool) { throw std::invalid_argument("no tool " + key); }
    return *tool;
}

Pane& DockCommands::PaneOf(const std::string& key)
{
    Pane* pane = dock_.Panes(key);
    if (!pane) { throw std::invalid_argument("no pane " + key); }
    return *pane;
}

void DockCommands::PrintRect(const RECT& rect)
{
    host_.Print("screen " + std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
                std::to_string(rect.right) + " " + std::to_string(rect.bottom));
}

// ready: lays the host out and shows it.
// add CAPTION...: a new document window; prints "window ID INDEX".
// show|hide|activate|close ID; caption ID TEXT...; refuse ID 0|1 (its close is cancelled).
// windows: "windows COUNT" and "item INDEX ID VISIBLE CAPTION" per window.
// item N: "item N ID" or "item N null". info ID: "info ID INDEX VISIBLE".
// active: "active ID" or "active none". focus: the keyboard to the active
// document. tab N [close]: a tab's screen rectangle.
void DockCommands::AddDocumentCommands()
{
    host_.AddCommand("ready", [this](const Words&) { dock_.SetLayoutReady(true); });
    host_.AddCommand("add", [this](const Words& args) {
        documents_.push_back(std::make_unique<TestDocument>(host_.Hwnd(), Rest(args, 0)));
        auto window = dock_.Windows().Add("", Rest(args, 0), nullptr, documents_.back().get(), true, 0);
        held_[window->Id()] = window;
        host_.Print("window " + std::to_string(window->Id()) + " " + std::to_string(window->Index()));
    });
    host_.AddCommand("show",
                     [this](const Words& args) { Held(Need(args, 1, "show ID")[0]).SetVisible(true); });
    host_.AddCommand("hide", [this](const Words& args) {
        DocWindow& window = Held(Need(args, 1, "hide ID")[0]);
        window.SetVisible(false);
        host_.Print("visible " + std::to_string(window.Visible()));
    });
    host_.AddCommand("activate",
                     [this](const Words& args) { Held(Need(args, 1, "activate ID")[0]).Activate(); });
    host_.AddCommand("close", [this](const Words& args) { Held(Need(args, 1, "close ID")[0]).Close(); });
    host_.AddCommand("caption", [this](const Words& args) {
        Held(Need(args, 2, "caption ID TEXT")[0]).SetCaption(Rest(args, 1));
    });
    host_.AddCommand("refuse", [this](const Words& args) {
        const int id = Held(Need(args, 2, "refuse ID 0|1")[0]).Id();
        if (ParseNumber(args[1])) {
            refuse_.insert(id);
        } else {
            refuse_.erase(id);
        }
    });
    host_.AddCommand("windows", [this](const Words&) {
        DocWindows& windows = dock_.Windows();
        host_.Print("windows " + std::to_string(windows.Count()));
        for (const auto& window : windows.Snapshot()) {
            host_.Print("item " + std::to_string(window->Index()) + " " + std::to_string(window->Id()) + " " +
                        std::to_string(window->Visible()) + " " + window->Caption());
        }
    });
    host_.AddCommand("item", [this](const Words& args) {
        auto window = dock_.Windows().Item(static_cast<int>(ParseNumber(Need(args, 1, "item N")[0])));
        host_.Print("item " + args[0] + " " + (window ? std::to_string(window->Id()) : "null"));
    });
    host_.AddCommand("info", [this](const Words& args) {
        DocWindow& window = Held(Need(args, 1, "info ID")[0]);
        host_.Print("info " + args[0] + " " + std::to_string(window.Index()) + " " +
                    std::to_string(window.Visible()));
    });
    host_.AddCommand("active", [this](const Words&) {
        auto window = dock_.ActiveWindow();
        host_.Print("active " + (window ? std::to_string(window->Id()) : "none"));
    });
    host_.AddCommand("focus", [this](const Words&) {
        SetForegroundWindow(host_.Hwnd());
        auto window = dock_.ActiveWindow();
        SetFocus(window && window->Form() ? window->Form()->Hwnd() : host_.Hwnd());
    });
    host_.AddCommand("tab", [this](const Words& args) {
        const int index = static_cast<int>(ParseNumber(Need(args, 1, "tab N [close]")[0]));
        PrintRect(dock_.ScreenRectOfTab(index, args.size() > 1 && args[1] == "close"));
    });
}

// menu KEY: posts the command of the tool's menu item to the frame, as a
// choice in the menu does ("menu KEY missing" when the menu has no such item).
// entry KEY N: the same for entry N (0-based) of an MRU tool; prints "entry TEXT".
// button KEY: the button's screen rectangle. enable KEY 0|1; state KEY 0|1.
// tool KEY: "tool KEY ENABLED STATE TEXT" or "tool KEY null"; the menu item's
// and the button's look: "look KEY grayed|enabled checked|unchecked BUTTON-STATE".
// choose TEXT...: selects a choice of the configuration combo.
// mruadd KEY TEXT...; mru KEY: "mru KEY COUNT" and "entry I TEXT" each;
// mruremove 0|1: the Command event of an entry removes it.
// popup KEY: shows the popup; it returns when a test answers it with keys.
void DockCommands::AddToolCommands()
{
    host_.AddCommand("menu", [this](const Words& args) {
        const UINT id = dock_.CommandId(Need(args, 1, "menu KEY")[0]);
        std::string text;
        if (!id || !FindMenuItem(GetMenu(host_.Hwnd()), id, text)) {
            host_.Print("menu " + args[0] + " missing");
            return;
        }
        PostMessageA(host_.Hwnd(), WM_COMMAND, id, 0);
    });
    host_.AddCommand("entry", [this](const Words& args) {
        const UINT id = dock_.EntryCommandId(Need(args, 2, "entry KEY N")[0], ParseNumber(args[1]));
        std::string text;
        if (!FindMenuItem(GetMenu(host_.Hwnd()), id, text)) { throw std::invalid_argument("no such entry"); }
        host_.Print("entry " + text);
        PostMessageA(host_.Hwnd(), WM_COMMAND, id, 0);
    });
    host_.AddCommand("button", [this](const Words& args) {
        PrintRect(dock_.ScreenRectOfButton(Need(args, 1, "button KEY")[0]));
    });
    host_.AddCommand("enable", [this](const Words& args) {
        ToolOf(Need(args, 2, "enable KEY 0|1")[0]).SetEnabled(ParseNumber(args[1]) != 0);
    });
    host_.AddCommand("state", [this](const Words& args) {
        ToolOf(Need(args, 2, "state KEY 0|1")[0]).SetState(static_cast<int>(ParseNumber(args[1])));
    });
    host_.AddCommand("tool", [this](const Words& args) {
        Tool* tool = dock_.Tools(Need(args, 1, "tool KEY")[0]);
        host_.Print("tool " + args[0] +
                    (tool ? " " + std::to_string(tool->Enabled()) + " " + std::to_string(tool->State()) +
                                " " + tool->Text()
                          : " null"));
    });
    host_.AddCommand("look", [this](const Words& args) {
        const UINT id = dock_.CommandId(Need(args, 1, "look KEY")[0]);
        const UINT menu = GetMenuState(GetMenu(host_.Hwnd()), id, MF_BYCOMMAND);
        const LRESULT button = SendMessageA(dock_.ToolBarWindow(), TB_GETSTATE, id, 0);
        host_.Print("look " + args[0] + (menu & MF_GRAYED ? " grayed" : " enabled") +
                    (menu & MF_CHECKED ? " checked" : " unchecked") +
                    (button < 0
                         ? " nobutton"
                         : std::string(button & TBSTATE_ENABLED ? " button-enabled" : " button-grayed")));
    });
    host_.AddCommand("choose", [this](const Words& args) {
        HWND combo = FindWindowExA(dock_.ToolBarWindow(), nullptr, "COMBOBOX", nullptr);
        const std::string text = Rest(Need(args, 1, "choose TEXT"), 0);
        if (SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(text.c_str())) == CB_ERR) {
            throw std::invalid_argument("no choice " + text);
        }
    });
    host_.AddCommand("mruadd", [this](const Words& args) {
        const std::string text = Rest(Need(args, 2, "mruadd KEY TEXT"), 1);
        ToolOf(args[0]).Entries().Add(text, text, 1);
    });
    host_.AddCommand("mru", [this](const Words& args) {
        const MruList& list = ToolOf(Need(args, 1, "mru KEY")[0]).Entries();
        host_.Print("mru " + args[0] + " " + std::to_string(list.Count()));
        for (size_t i = 0; i < list.Count(); ++i) {
            host_.Print("entry " + std::to_string(i) + " " + list.Entries()[i].caption);
        }
    });
    host_.AddCommand("mruremove", [this](const Words& args) {
        removeClickedEntry_ = ParseNumber(Need(args, 1, "mruremove 0|1")[0]) != 0;
    });
    host_.AddCommand("popup",
                     [this](const Words& args) { ToolOf(Need(args, 1, "popup KEY")[0]).ShowPopup(); });
}

// pane KEY: "pane KEY VISIBLE". panevis KEY 0|1. panehost KEY: gives the pane a
// window of its own, a child of the frame. side SIDE: "side SIDE SHOWN SIZE
// CURRENT" and the hosted window's "content KEY SHOWN PARENT-IS-SIDE".
// paneclose SIDE, panetab SIDE N, splitter SIDE: screen rectangles.
// bar KEY 0|1; status TEXT...: the first field; statustext: "status TEXT".
void DockCommands::AddPaneCommands()
{
    host_.AddCommand("pane", [this](const Words& args) {
        host_.Print("pane " + args.at(0) + " " +
                    std::to_string(PaneOf(Need(args, 1, "pane KEY")[0]).Visible()));
    });
    host_.AddCommand("panevis", [this](const Words& args) {
        PaneOf(Need(args, 2, "panevis KEY 0|1")[0]).SetVisible(ParseNumber(args[1]) != 0);
    });
    host_.AddCommand("panehost", [this](const Words& args) {
        Pane& pane = PaneOf(Need(args, 1, "panehost KEY")[0]);
        HWND content =
            CreateWindowExA(0, "STATIC", ("content of " + args[0]).c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 10,
                            10, host_.Hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
        host_.AddChild(args[0], content);
        pane.SetHostedWindow(content);
    });
    host_.AddCommand("side", [this](const Words& args) {
        const DockSide side = SideOf(Need(args, 1, "side SIDE")[0]);
        HWND site = dock_.SideWindow(side);
        const std::string current = dock_.SideCurrent(side);
        host_.Print("side " + args[0] + " " + std::to_string(IsWindowVisible(site) != 0) + " " +
                    std::to_string(dock_.SideSize(side)) + " " + (current.empty() ? "-" : current));
        for (const std::string key : {"frmOutput", "frmProject", "frmHelp", "frmTask"}) {
            HWND content = PaneOf(key).Hosted();
            if (content && GetParent(content) == site) {
                host_.Print("content " + key + " " + std::to_string(IsWindowVisible(content) != 0));
            }
        }
    });
    host_.AddCommand("paneclose", [this](const Words& args) {
        PrintRect(dock_.ScreenRectOfPaneClose(SideOf(Need(args, 1, "paneclose SIDE")[0])));
    });
    host_.AddCommand("panetab", [this](const Words& args) {
        Need(args, 2, "panetab SIDE N");
        PrintRect(dock_.ScreenRectOfPaneTab(SideOf(args[0]), static_cast<int>(ParseNumber(args[1]))));
    });
    host_.AddCommand("splitter", [this](const Words& args) {
        PrintRect(dock_.ScreenRectOfSplitter(SideOf(Need(args, 1, "splitter SIDE")[0])));
    });
    host_.AddCommand("bar", [this](const Words& args) {
        CommandBar* bar = dock_.CommandBars(Need(args, 2, "bar KEY 0|1")[0]);
        if (!bar) { throw std::invalid_argument("no bar " + args[0]); }
        bar->SetVisible(ParseNumber(args[1]) != 0);
    });
    host_.AddCommand("barshown", [this](const Words& args) {
        const std::string key = Need(args, 1, "barshown KEY")[0];
        HWND hwnd = key == "StatusBar" ? dock_.StatusWindow() : dock_.ToolBarWindow();
        host_.Print("barshown " + key + " " + std::to_string(IsWindowVisible(hwnd) != 0));
    });
    host_.AddCommand("status", [this](const Words& args) { dock_.SetStatusText(0, Rest(args, 0)); });
    host_.AddCommand("statustext", [this](const Words&) { host_.Print("status " + dock_.StatusText(0)); });
}

// layoutsave FILE: the layout bytes into FILE. layoutload FILE: the bytes of
// FILE as the layout (a missing file gives none).
void DockCommands::AddLayoutCommands()
{
    host_.AddCommand("layoutsave", [this](const Words& args) {
        const std::vector<std::uint8_t> bytes = dock_.GetLayout();
        std::ofstream out(Need(args, 1, "layoutsave FILE")[0], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) { throw std::runtime_error("cannot write " + args[0]); }
    });
    host_.AddCommand("layoutload", [this](const Words& args) {
        std::ifstream in(Need(args, 1, "layoutload FILE")[0], std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        dock_.SetLayout(bytes);
    });
}

}  // namespace kforge
