#include "ExplorerCommands.h"

#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

#include "CommandWords.h"
#include "ProjectExplorer.h"
#include "RecordingExplorerHost.h"
#include "Texts.h"

namespace kforge {

namespace {

using Words = HostWindow::Words;

struct ExplorerTest {
    explicit ExplorerTest(HostWindow& window)
        : host([&window](const std::string& line) { window.Print(line); }), explorer(host)
    {
    }
    RecordingExplorerHost host;
    ProjectExplorer explorer;
};

// A text word with %20 standing for a blank.
std::string Text(const Words& args, size_t index) { return ReplaceAll(TextWord(args, index), "%20", " "); }

std::string WindowTextOf(HWND hwnd)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

HTREEITEM NextItem(HWND view, UINT which, HTREEITEM item)
{
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(view, TVM_GETNEXTITEM, which, reinterpret_cast<LPARAM>(item)));
}

std::string ItemText(HWND view, HTREEITEM item, int& image)
{
    char text[512] = {};
    TVITEMA data{};
    data.mask = TVIF_TEXT | TVIF_IMAGE;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    SendMessageA(view, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    image = data.iImage;
    return text;
}

// Visits the tree view's items depth first, collapsed ones included; stops
// when visit answers true and gives that item.
template<typename Visit> HTREEITEM VisitItems(HWND view, HTREEITEM item, int depth, Visit& visit)
{
    for (; item; item = NextItem(view, TVGN_NEXT, item)) {
        if (visit(item, depth)) { return item; }
        if (HTREEITEM found = VisitItems(view, NextItem(view, TVGN_CHILD, item), depth + 1, visit)) {
            return found;
        }
    }
    return nullptr;
}

template<typename Visit> HTREEITEM VisitView(HWND view, Visit visit)
{
    return VisitItems(view, NextItem(view, TVGN_ROOT, nullptr), 0, visit);
}

void AddTreeQueries(HostWindow& window, std::shared_ptr<ExplorerTest> test)
{
    window.AddCommand("items", [&window, test](const Words&) {
        Tree& tree = *test->explorer.Tree1();
        for (int i = 0; i < tree.ItemCount(); ++i) {
            const TreeNode node = tree.GetItemNode(i);
            window.Print("item " + std::to_string(node.index) + " " + std::to_string(node.image) + " " +
                         Shown(node.key) + " " + Shown(node.text) + " " + Shown(node.tag));
        }
    });
    window.AddCommand("view", [&window, test](const Words&) {
        HWND view = test->explorer.Tree1()->TreeWindow();
        VisitView(view, [&](HTREEITEM item, int depth) {
            int image = -1;
            const std::string text = ItemText(view, item, image);
            window.Print("view " + std::to_string(depth) + " " + Shown(text) +
                         " image=" + std::to_string(image));
            return false;
        });
    });
    window.AddCommand("item-rect", [&window, test](const Words& args) {
        HWND view = test->explorer.Tree1()->TreeWindow();
        const std::string wanted = Text(args, 0);
        HTREEITEM item = VisitView(view, [&](HTREEITEM candidate, int) {
            int image = -1;
            return ItemText(view, candidate, image) == wanted;
        });
        RECT rc{};
        std::memcpy(&rc, &item, sizeof item);  // TVM_GETITEMRECT takes the item in the rectangle
        if (!item || !SendMessageA(view, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rc))) {
            throw std::invalid_argument("no visible item " + wanted);
        }
        MapWindowPoints(view, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        window.Print("screen " + std::to_string(rc.left) + " " + std::to_string(rc.top) + " " +
                     std::to_string(rc.right) + " " + std::to_string(rc.bottom));
    });
    window.AddCommand("tree-info", [&window, test](const Words&) {
        Tree& tree = *test->explorer.Tree1();
        window.Print("tree indent=" + std::to_string(tree.Indent()) +
                     " images=" + std::to_string(ImageList_GetImageCount(tree.HImageList())));
    });
    window.AddCommand("pathbox", [&window, test](const Words&) {
        window.Print("pathbox " + Shown(WindowTextOf(test->explorer.PathBox())));
    });
    auto printPaneRect = [&window, test](RECT rc) {
        MapWindowPoints(test->explorer.Hwnd(), nullptr, reinterpret_cast<POINT*>(&rc), 2);
        window.Print("screen " + std::to_string(rc.left) + " " + std::to_string(rc.top) + " " +
                     std::to_string(rc.right) + " " + std::to_string(rc.bottom));
    };
    window.AddCommand("caption",
                      [test, printPaneRect](const Words&) { printPaneRect(test->explorer.StripCaption()); });
    window.AddCommand("strip",
                      [test, printPaneRect](const Words&) { printPaneRect(test->explorer.InfoStrip()); });
}

void AddSolutionCommands(HostWindow& window, std::shared_ptr<ExplorerTest> test)
{
    ProjectExplorer& explorer = test->explorer;
    window.AddCommand("init", [&explorer](const Words&) { explorer.InitializeProject(); });
    window.AddCommand("load", [&explorer](const Words& args) { explorer.LoadSolution(Text(args, 0)); });
    window.AddCommand("save", [&explorer](const Words& args) { explorer.SaveSolution(Text(args, 0)); });
    window.AddCommand("check", [&window, &explorer](const Words& args) {
        window.Print(std::string("check ") + (explorer.CheckFile(Text(args, 0)) ? "1" : "0"));
    });
    window.AddCommand("add-file",
                      [&explorer](const Words& args) { explorer.AddFileItem(Text(args, 0), Text(args, 1)); });
    window.AddCommand("add-blank", [&explorer](const Words& args) { explorer.AddBlankItem(Text(args, 0)); });
    window.AddCommand("remove", [&explorer](const Words&) { explorer.RemoveCurrentFileItem(); });
    window.AddCommand("set-value", [test](const Words& args) {
        ShellValues& values = test->host.Values();
        const std::string field = TextWord(args, 0);
        if (field == "name") {
            values.solutionName = Text(args, 1);
        } else if (field == "startup") {
            values.solutionStartup = Text(args, 1);
        } else if (field == "batch") {
            values.solutionBuildBatch = Text(args, 1);
        } else if (field == "counter") {
            values.documentCounter = static_cast<std::int32_t>(ParseNumber(TextWord(args, 1)));
        } else {
            throw std::invalid_argument("no value " + field);
        }
    });
    window.AddCommand("values", [&window, test](const Words&) {
        const ShellValues& values = test->host.Values();
        window.Print("values name=" + Shown(values.solutionName) + " startup=" +
                     Shown(values.solutionStartup) + " batch=" + Shown(values.solutionBuildBatch) +
                     " counter=" + std::to_string(values.documentCounter));
    });
    window.AddCommand("doc",
                      [test](const Words& args) { test->host.AddDocument(Text(args, 0), Text(args, 1)); });
    window.AddCommand("docs", [&window, test](const Words&) {
        for (const std::string& line : test->host.DocumentLines()) { window.Print(line); }
    });
}

// The tree's click events are printed ("event ...") before the pane
// handles them.
void PrintTreeEvents(HostWindow& window, Tree& tree)
{
    auto click = tree.onItemClick;
    tree.onItemClick = [&window, click](int button, const std::string& text, const std::string& key,
                                        int index) {
        window.Print("event itemclick " + std::to_string(button) + " " + Shown(text) + "|" + Shown(key) +
                     "|" + std::to_string(index));
        click(button, text, key, index);
    };
    auto doubleClick = tree.onItemDblClick;
    tree.onItemDblClick = [&window, doubleClick](const std::string& text, const std::string& key, int index) {
        window.Print("event itemdblclick " + Shown(text) + "|" + Shown(key) + "|" + std::to_string(index));
        doubleClick(text, key, index);
    };
}

}  // namespace

void AddExplorerCommands(HostWindow& window)
{
    auto test = std::make_shared<ExplorerTest>(window);
    window.AddCommand("explorer", [&window, test](const Words& args) {
        const RECT rc{NumberWord(args, 0), NumberWord(args, 1), NumberWord(args, 2), NumberWord(args, 3)};
        ProjectExplorer& explorer = test->explorer;
        if (!explorer.Create(window.Hwnd(), rc)) { throw std::runtime_error("no explorer pane"); }
        PrintTreeEvents(window, *explorer.Tree1());
        window.AddChild("explorer", explorer.Hwnd());
        window.AddChild("explorer.treectl", explorer.Tree1()->Hwnd());
        window.AddChild("explorer.tree", explorer.Tree1()->TreeWindow());
        window.AddChild("explorer.box", explorer.PathBox());
    });
    window.AddCommand("resize", [test](const Words& args) {
        SetWindowPos(test->explorer.Hwnd(), nullptr, 0, 0, NumberWord(args, 0), NumberWord(args, 1),
                     SWP_NOMOVE | SWP_NOZORDER);
    });
    AddTreeQueries(window, test);
    AddSolutionCommands(window, test);
}

}  // namespace kforge
