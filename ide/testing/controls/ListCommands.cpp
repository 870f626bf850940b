#include "ListCommands.h"

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "CommandWords.h"
#include "List.h"

namespace kforge {

namespace {

// How the test's event handlers answer.
struct Reactions {
    bool cancelBefore = false;
    bool cancelAfter = false;
    std::optional<std::string> rewriteBefore;
    std::optional<std::string> rewriteAfter;
    int paintIndex = -1;
    COLORREF paintBack = 0;
    COLORREF paintFore = 0;
    std::string paintText;
    int eatenKey = -1;
    bool printInfo = false;
};

struct PlacedList {
    std::unique_ptr<ListCtl> list;
    Reactions reactions;
};

using Lists = std::map<std::string, PlacedList>;

std::string Rect(HWND window, RECT rc)
{
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return "screen " + std::to_string(rc.left) + " " + std::to_string(rc.top) + " " +
           std::to_string(rc.right) + " " + std::to_string(rc.bottom);
}

void ConnectEvents(HostWindow& host, const std::string& name, PlacedList& placed)
{
    ListCtl& list = *placed.list;
    Reactions& react = placed.reactions;
    list.onClick = [&host, name] { host.Print(name + " click"); };
    list.onDblClick = [&host, name] { host.Print(name + " dblclick"); };
    list.onMoveItem = [&host, name] { host.Print(name + " moveitem"); };
    list.onScroll = [&host, name] { host.Print(name + " scroll"); };
    list.onBeforeEdit = [&host, &react, name](std::string& text, bool& cancel) {
        host.Print(name + " beforeedit " + Shown(text));
        if (react.rewriteBefore) { text = *react.rewriteBefore; }
        cancel = react.cancelBefore;
    };
    list.onAfterEdit = [&host, &react, &list, name](std::string& text, bool& cancel) {
        host.Print(name + " afteredit " + Shown(text) + " shown=" + Shown(list.Text()));
        if (react.rewriteAfter) { text = *react.rewriteAfter; }
        cancel = react.cancelAfter;
    };
    list.onKeyDown = [&host, &react, name](int& key, int& shift) {
        host.Print(name + " keydown " + std::to_string(key) + " " + std::to_string(shift));
        if (key == react.eatenKey) { key = 0; }
    };
    list.onKeyPress = [&host, name](int& ascii) { host.Print(name + " keypress " + std::to_string(ascii)); };
    list.onKeyUp = [&host, name](int& key, int& shift) {
        host.Print(name + " keyup " + std::to_string(key) + " " + std::to_string(shift));
    };
    list.onItemInfoCallback = [&host, &react, name](int index, int state, std::string& text, COLORREF& back,
                                                    COLORREF& fore) {
        if (react.printInfo) {
            host.Print(name + " info " + std::to_string(index) + " " + std::to_string(state));
        }
        if (index != react.paintIndex) { return; }
        back = react.paintBack;
        fore = react.paintFore;
        text = react.paintText;
    };
}

std::string FontFace(HFONT font)
{
    LOGFONTA data{};
    if (!font || !GetObjectA(font, sizeof data, &data)) { return "\"\""; }
    return data.lfFaceName;
}

std::string GetProperty(const ListCtl& list, const std::string& property)
{
    if (property == "ListCount") { return std::to_string(list.ListCount()); }
    if (property == "ListIndex") { return std::to_string(list.ListIndex()); }
    if (property == "ListImage") { return Shown(list.ListImage()); }
    if (property == "Text") { return Shown(list.Text()); }
    if (property == "MousePointer") { return std::to_string(list.MousePointer()); }
    if (property == "ItemHeight") { return std::to_string(list.ItemHeight()); }
    if (property == "AutoEdit") { return list.AutoEdit() ? "1" : "0"; }
    if (property == "ItemOffset") { return std::to_string(list.ItemOffset()); }
    if (property == "Sorted") { return list.Sorted() ? "1" : "0"; }
    if (property == "Font") { return FontFace(list.Font()); }
    throw std::invalid_argument("no property " + property);
}

void SetProperty(ListCtl& list, const HostWindow::Words& args)
{
    const std::string property = TextWord(args, 1);
    if (property == "ListIndex") {
        list.SetListIndex(NumberWord(args, 2));
    } else if (property == "ListImage") {
        list.SetListImage(TextWord(args, 2));
    } else if (property == "Text") {
        list.SetText(TextWord(args, 2));
    } else if (property == "MousePointer") {
        list.SetMousePointer(NumberWord(args, 2));
    } else if (property == "ItemHeight") {
        list.SetItemHeight(NumberWord(args, 2));
    } else if (property == "AutoEdit") {
        list.SetAutoEdit(NumberWord(args, 2) != 0);
    } else if (property == "ItemOffset") {
        list.SetItemOffset(NumberWord(args, 2));
    } else if (property == "Font") {
        list.SetFont(TextWord(args, 2));
    } else if (property == "Sorted") {
        list.SetSorted(NumberWord(args, 2) != 0);
    } else {
        throw std::invalid_argument("no settable property " + property);
    }
}

std::string FocusName(const ListCtl& list)
{
    HWND focus = GetFocus();
    if (focus && focus == list.EditWindow()) { return "edit"; }
    if (focus && focus == list.ListWindow()) { return "list"; }
    return "other";
}

void AddItemCommands(HostWindow& host, std::shared_ptr<Lists> lists)
{
    auto find = [lists](const HostWindow::Words& args) -> ListCtl& {
        auto found = lists->find(TextWord(args, 0));
        if (found == lists->end()) { throw std::invalid_argument("no list " + args[0]); }
        return *found->second.list;
    };
    host.AddCommand("list-add", [find](const HostWindow::Words& args) {
        find(args).AddItem(TextWord(args, 1), args.size() > 2 ? NumberWord(args, 2) : -1);
    });
    host.AddCommand("list-remove",
                    [find](const HostWindow::Words& args) { find(args).RemoveItem(NumberWord(args, 1)); });
    host.AddCommand("list-clear", [find](const HostWindow::Words& args) { find(args).Clear(); });
    host.AddCommand("list-setitem", [find](const HostWindow::Words& args) {
        find(args).SetList(NumberWord(args, 1), TextWord(args, 2));
    });
    host.AddCommand("list-setdata", [find](const HostWindow::Words& args) {
        find(args).SetItemData(NumberWord(args, 1), NumberWord(args, 2));
    });
    host.AddCommand("list-redraw", [find](const HostWindow::Words& args) {
        RedrawWindow(find(args).ListWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    });
    host.AddCommand("list-edit", [find](const HostWindow::Words& args) { find(args).DoEdit(); });
    host.AddCommand("list-down", [find](const HostWindow::Words& args) { find(args).ItemDown(); });
    host.AddCommand("list-up", [find](const HostWindow::Words& args) { find(args).ItemUp(); });
    host.AddCommand("list-set", [find](const HostWindow::Words& args) { SetProperty(find(args), args); });
    host.AddCommand("list-get", [&host, find](const HostWindow::Words& args) {
        host.Print(TextWord(args, 1) + " " + GetProperty(find(args), TextWord(args, 1)));
    });
    host.AddCommand("list-items", [&host, find](const HostWindow::Words& args) {
        const ListCtl& list = find(args);
        for (int i = 0; i < list.ListCount(); ++i) {
            host.Print("item " + std::to_string(i) + " " + Shown(list.List(i)) +
                       " data=" + std::to_string(list.ItemData(i)));
        }
    });
    host.AddCommand("list-itemrect", [&host, find](const HostWindow::Words& args) {
        const ListCtl& list = find(args);
        RECT rc{};
        if (SendMessageA(list.ListWindow(), LB_GETITEMRECT, static_cast<WPARAM>(NumberWord(args, 1)),
                         reinterpret_cast<LPARAM>(&rc)) == LB_ERR) {
            throw std::invalid_argument("no item " + args[1]);
        }
        host.Print(Rect(list.ListWindow(), rc));
    });
    host.AddCommand("list-editstate", [&host, find](const HostWindow::Words& args) {
        const ListCtl& list = find(args);
        char text[256] = {};
        GetWindowTextA(list.EditWindow(), text, sizeof text);
        const bool shown = IsWindowVisible(list.EditFrameWindow()) != FALSE;
        host.Print(std::string("edit ") + (shown ? "1 " : "0 ") + Shown(text) + " focus=" + FocusName(list));
        RECT rc{};
        GetWindowRect(list.EditFrameWindow(), &rc);
        host.Print("frame " + std::to_string(rc.left) + " " + std::to_string(rc.top) + " " +
                   std::to_string(rc.right) + " " + std::to_string(rc.bottom));
    });
}

void AddReactionCommands(HostWindow& host, std::shared_ptr<Lists> lists)
{
    auto find = [lists](const HostWindow::Words& args) -> Reactions& {
        auto found = lists->find(TextWord(args, 0));
        if (found == lists->end()) { throw std::invalid_argument("no list " + args[0]); }
        return found->second.reactions;
    };
    host.AddCommand("list-cancel", [find](const HostWindow::Words& args) {
        (TextWord(args, 1) == "before" ? find(args).cancelBefore : find(args).cancelAfter) =
            NumberWord(args, 2) != 0;
    });
    host.AddCommand("list-rewrite", [find](const HostWindow::Words& args) {
        std::optional<std::string> text;
        if (TextWord(args, 2) != "-") { text = TextWord(args, 2); }
        (TextWord(args, 1) == "before" ? find(args).rewriteBefore : find(args).rewriteAfter) = text;
    });
    host.AddCommand("list-paint", [find](const HostWindow::Words& args) {
        Reactions& react = find(args);
        if (TextWord(args, 1) == "-") {
            react.paintIndex = -1;
            return;
        }
        react.paintIndex = NumberWord(args, 1);
        react.paintBack = static_cast<COLORREF>(ParseNumber(TextWord(args, 2)));
        react.paintFore = static_cast<COLORREF>(ParseNumber(TextWord(args, 3)));
        react.paintText = TextWord(args, 4);
    });
    host.AddCommand("list-eatkey",
                    [find](const HostWindow::Words& args) { find(args).eatenKey = NumberWord(args, 1); });
    host.AddCommand("list-info", [find](const HostWindow::Words& args) {
        find(args).printInfo = NumberWord(args, 1) != 0;
    });
    host.AddCommand("list-focus",
                    [&host](const HostWindow::Words& args) { SetFocus(host.Child(TextWord(args, 0))); });
}

}  // namespace

void AddListCommands(HostWindow& host)
{
    auto lists = std::make_shared<Lists>();
    host.AddCommand("list", [&host, lists](const HostWindow::Words& args) {
        const std::string name = TextWord(args, 0);
        const RECT rc{NumberWord(args, 1), NumberWord(args, 2), NumberWord(args, 3), NumberWord(args, 4)};
        PlacedList& placed = (*lists)[name];
        placed.list = std::make_unique<ListCtl>(host.Hwnd(), 0, rc);
        host.AddChild(name, placed.list->Hwnd());
        host.AddChild(name + ".list", placed.list->ListWindow());
        host.AddChild(name + ".frame", placed.list->EditFrameWindow());
        host.AddChild(name + ".edit", placed.list->EditWindow());
        ConnectEvents(host, name, placed);
    });
    AddItemCommands(host, lists);
    AddReactionCommands(host, lists);
}

}  // namespace kforge
