#include "TreeCommands.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "CommandWords.h"
#include "Tree.h"

namespace kforge {

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kStripWidth = 64, kStripHeight = 16;

struct PlacedTree {
    std::unique_ptr<Tree> tree;
    bool deleteOnClick = false;
};

using Trees = std::map<std::string, PlacedTree>;

bool IsNumber(const std::string& word)
{
    try {
        ParseNumber(word);
        return true;
    } catch (const std::invalid_argument&) {
        return false;
    }
}

TreeItemRef RefWord(const HostWindow::Words& args, size_t index)
{
    const std::string word = TextWord(args, index);
    if (IsNumber(word)) { return static_cast<int>(ParseNumber(word)); }
    return word;
}

std::string ItemLine(const std::string& text, const std::string& key, int index)
{
    return Shown(text) + "|" + Shown(key) + "|" + std::to_string(index);
}

void ConnectEvents(HostWindow& host, const std::string& name, PlacedTree& placed)
{
    Tree& tree = *placed.tree;
    tree.onItemClick = [&host, &placed, name](int button, const std::string& text, const std::string& key,
                                              int index) {
        host.Print(name + " itemclick " + std::to_string(button) + " " + ItemLine(text, key, index));
        if (placed.deleteOnClick) { placed.tree->DeleteItem(index); }
    };
    tree.onItemDblClick = [&host, name](const std::string& text, const std::string& key, int index) {
        host.Print(name + " itemdblclick " + ItemLine(text, key, index));
    };
    tree.onBeforeSelChanged = [&host, name](const std::string& text, const std::string& key, int index) {
        host.Print(name + " beforesel " + ItemLine(text, key, index));
    };
    tree.onAfterSelChanged = [&host, name](const std::string& text, const std::string& key, int index) {
        host.Print(name + " aftersel " + ItemLine(text, key, index));
    };
    tree.onClick = [&host, name](int x, int y) {
        host.Print(name + " click " + std::to_string(x) + " " + std::to_string(y));
    };
    tree.onDblClick = [&host, name](int x, int y) {
        host.Print(name + " dblclick " + std::to_string(x) + " " + std::to_string(y));
    };
}

// The tree view's item handle for a relative-item word of tree-add.
HTREEITEM ViewItem(const Tree& tree, const std::string& word)
{
    const WPARAM which = word == "root" ? TVGN_ROOT : TVGN_CARET;
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree.TreeWindow(), TVM_GETNEXTITEM, which, 0));
}

std::string ViewText(HWND view, HTREEITEM item, TVITEMA& data)
{
    char text[256] = {};
    data = {};
    data.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    data.stateMask = TVIS_EXPANDED | TVIS_SELECTED;
    SendMessageA(view, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

// Every item of the tree view, depth first, collapsed ones included.
void PrintView(HostWindow& host, HWND view, HTREEITEM item, int depth)
{
    const auto caret = reinterpret_cast<HTREEITEM>(SendMessageA(view, TVM_GETNEXTITEM, TVGN_CARET, 0));
    for (; item; item = reinterpret_cast<HTREEITEM>(
                     SendMessageA(view, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        TVITEMA data;
        const std::string text = ViewText(view, item, data);
        host.Print("view " + std::to_string(depth) + " " + Shown(text) + " image=" +
                   std::to_string(data.iImage) + " selected=" + std::to_string(data.iSelectedImage) +
                   " expanded=" + ((data.state & TVIS_EXPANDED) ? "1" : "0") +
                   " caret=" + (item == caret ? "1" : "0"));
        PrintView(host, view,
                  reinterpret_cast<HTREEITEM>(
                      SendMessageA(view, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item))),
                  depth + 1);
    }
}

HTREEITEM FindViewItem(HWND view, HTREEITEM item, const std::string& wanted)
{
    for (; item; item = reinterpret_cast<HTREEITEM>(
                     SendMessageA(view, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        TVITEMA data;
        if (ViewText(view, item, data) == wanted) { return item; }
        auto child = reinterpret_cast<HTREEITEM>(
            SendMessageA(view, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
        if (HTREEITEM found = FindViewItem(view, child, wanted)) { return found; }
    }
    return nullptr;
}

// Writes the program's TREE bitmap resource as a bitmap file.
std::string WriteStripFile()
{
    HMODULE program = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(program, "TREE", reinterpret_cast<LPCSTR>(RT_BITMAP));
    HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    const void* bits = loaded ? LockResource(loaded) : nullptr;
    if (!bits) { throw std::runtime_error("no TREE resource"); }
    const DWORD size = SizeofResource(program, found);
    const auto* info = static_cast<const BITMAPINFOHEADER*>(bits);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfSize = sizeof file + size;
    file.bfOffBits = sizeof file + info->biSize + info->biClrUsed * sizeof(RGBQUAD);
    const std::string path = "tree-strip.bmp";
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) { throw std::runtime_error("cannot write " + path); }
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(bits, size, 1, out);
    std::fclose(out);
    return path;
}

std::string PropertyText(const PropertyBag& bag, const char* key)
{
    const std::int32_t value = bag.Read<std::int32_t>(key, INT_MIN);
    return std::string(key) + "=" + (value == INT_MIN ? "-" : std::to_string(value));
}

std::string GetProperty(const Tree& tree, const std::string& property)
{
    char hex[16];
    if (property == "SingleSel") { return tree.SingleSel() ? "1" : "0"; }
    if (property == "Lines") {
        std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(tree.Lines()));
        return hex;
    }
    if (property == "Style") {
        std::snprintf(
            hex, sizeof hex, "0x%08lX",
            static_cast<unsigned long>(GetWindowLongPtrA(tree.TreeWindow(), GWL_STYLE) & 0xFFFFFFFF));
        return hex;
    }
    if (property == "Border") { return std::to_string(tree.Border()); }
    if (property == "Indent") { return std::to_string(tree.Indent()); }
    if (property == "ItemCount") { return std::to_string(tree.ItemCount()); }
    if (property == "ItemKey") { return Shown(tree.ItemKey()); }
    if (property == "ItemIndex") { return std::to_string(tree.ItemIndex()); }
    if (property == "ItemTag") { return Shown(tree.ItemTag()); }
    if (property == "ItemText") { return Shown(tree.ItemText()); }
    if (property == "Selection") { return std::to_string(tree.Selection()); }
    throw std::invalid_argument("no property " + property);
}

void SetProperty(Tree& tree, const HostWindow::Words& args)
{
    const std::string property = TextWord(args, 1);
    if (property == "SingleSel") {
        tree.SetSingleSel(NumberWord(args, 2) != 0);
    } else if (property == "Lines") {
        tree.SetLines(static_cast<DWORD>(ParseNumber(TextWord(args, 2))));
    } else if (property == "Border") {
        tree.SetBorder(NumberWord(args, 2));
    } else if (property == "Indent") {
        tree.SetIndent(NumberWord(args, 2));
    } else if (property == "ItemTag") {
        tree.SetItemTag(TextWord(args, 2));
    } else if (property == "ItemText") {
        tree.SetItemText(TextWord(args, 2));
    } else if (property == "Selection") {
        tree.SetSelection(RefWord(args, 2));
    } else {
        throw std::invalid_argument("no settable property " + property);
    }
}

void AddItemCommands(HostWindow& host, std::shared_ptr<Trees> trees)
{
    auto find = [trees](const HostWindow::Words& args) -> Tree& {
        auto found = trees->find(TextWord(args, 0));
        if (found == trees->end()) { throw std::invalid_argument("no tree " + args[0]); }
        return *found->second.tree;
    };
    host.AddCommand("tree-add", [find](const HostWindow::Words& args) {
        Tree& tree = find(args);
        const std::string relative = TextWord(args, 1);
        const int relation = NumberWord(args, 2);
        const std::string key = TextWord(args, 3), text = TextWord(args, 4);
        const int image = args.size() > 5 ? NumberWord(args, 5) : -1;
        const int selected = args.size() > 6 ? NumberWord(args, 6) : -1;
        if (relative == "0" || relative == "root" || relative == "caret") {
            tree.AddItem(relative == "0" ? nullptr : ViewItem(tree, relative), relation, key, text, image,
                         selected);
        } else {
            tree.AddItem(relative, relation, key, text, image, selected);
        }
    });
    host.AddCommand("tree-delete",
                    [find](const HostWindow::Words& args) { find(args).DeleteItem(RefWord(args, 1)); });
    host.AddCommand("tree-rename", [find](const HostWindow::Words& args) {
        find(args).RenameItem(RefWord(args, 1), TextWord(args, 2));
    });
    host.AddCommand("tree-clear", [find](const HostWindow::Words& args) { find(args).DeleteAllItems(); });
    host.AddCommand("tree-select",
                    [find](const HostWindow::Words& args) { find(args).SelectItem(RefWord(args, 1)); });
    host.AddCommand("tree-settag", [find](const HostWindow::Words& args) {
        find(args).SetItemTag(RefWord(args, 1), TextWord(args, 2));
    });
    host.AddCommand("tree-gettag", [&host, find](const HostWindow::Words& args) {
        host.Print("tag " + Shown(find(args).GetItemTag(RefWord(args, 1))));
    });
    host.AddCommand("tree-setnode", [find](const HostWindow::Words& args) {
        TreeNode node;
        node.index = NumberWord(args, 2);
        node.image = NumberWord(args, 3);
        node.key = TextWord(args, 4);
        node.text = TextWord(args, 5);
        node.tag = TextWord(args, 6);
        find(args).SetItemNode(RefWord(args, 1), node);
    });
    host.AddCommand("tree-getnode", [&host, find](const HostWindow::Words& args) {
        const TreeNode node = find(args).GetItemNode(RefWord(args, 1));
        host.Print("node " + std::to_string(node.index) + " " + std::to_string(node.image) + " " +
                   Shown(node.key) + " " + Shown(node.text) + " " + Shown(node.tag));
    });
    host.AddCommand("tree-expand", [find](const HostWindow::Words& args) {
        find(args).Expand(NumberWord(args, 1), static_cast<UINT>(NumberWord(args, 2)));
    });
}

void AddViewCommands(HostWindow& host, std::shared_ptr<Trees> trees)
{
    auto find = [trees](const HostWindow::Words& args) -> PlacedTree& {
        auto found = trees->find(TextWord(args, 0));
        if (found == trees->end()) { throw std::invalid_argument("no tree " + args[0]); }
        return found->second;
    };
    host.AddCommand("tree-set",
                    [find](const HostWindow::Words& args) { SetProperty(*find(args).tree, args); });
    host.AddCommand("tree-get", [&host, find](const HostWindow::Words& args) {
        host.Print(TextWord(args, 1) + " " + GetProperty(*find(args).tree, TextWord(args, 1)));
    });
    host.AddCommand("tree-view", [&host, find](const HostWindow::Words& args) {
        HWND view = find(args).tree->TreeWindow();
        PrintView(host, view, reinterpret_cast<HTREEITEM>(SendMessageA(view, TVM_GETNEXTITEM, TVGN_ROOT, 0)),
                  0);
    });
    host.AddCommand("tree-rect", [&host, find](const HostWindow::Words& args) {
        HWND view = find(args).tree->TreeWindow();
        HTREEITEM item =
            FindViewItem(view, reinterpret_cast<HTREEITEM>(SendMessageA(view, TVM_GETNEXTITEM, TVGN_ROOT, 0)),
                         TextWord(args, 1));
        RECT rc{};
        std::memcpy(&rc, &item, sizeof item);  // TVM_GETITEMRECT takes the item in the rectangle
        if (!item || !SendMessageA(view, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rc))) {
            throw std::invalid_argument("no visible item " + args[1]);
        }
        MapWindowPoints(view, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        host.Print("screen " + std::to_string(rc.left) + " " + std::to_string(rc.top) + " " +
                   std::to_string(rc.right) + " " + std::to_string(rc.bottom));
    });
    host.AddCommand("tree-loadlist", [&host, find](const HostWindow::Words& args) {
        Tree& tree = *find(args).tree;
        const bool fromResource = TextWord(args, 1) == "resource";
        HIMAGELIST list = fromResource
                              ? tree.LoadList("tree", kMagenta, -1, kStripWidth, kStripHeight)
                              : tree.LoadList(WriteStripFile(), kMagenta, 0, kStripWidth, kStripHeight);
        if (!list) { throw std::runtime_error("LoadList failed"); }
        tree.SetHImageList(list);
        host.Print("imagelist " + std::to_string(ImageList_GetImageCount(list)));
    });
    host.AddCommand("tree-props", [&host, find](const HostWindow::Words& args) {
        PropertyBag bag;
        find(args).tree->WriteProperties(bag);
        host.Print("props " + PropertyText(bag, "Border") + " " + PropertyText(bag, "Indent"));
    });
    host.AddCommand("tree-readprops", [find](const HostWindow::Words& args) {
        PropertyBag bag;
        const char* keys[] = {"Border", "Indent"};
        for (size_t i = 0; i < 2; ++i) {
            if (TextWord(args, i + 1) != "-") {
                bag.Write(keys[i], std::int32_t{NumberWord(args, i + 1)}, {});
            }
        }
        find(args).tree->ReadProperties(bag);
    });
    host.AddCommand("tree-onclick", [find](const HostWindow::Words& args) {
        find(args).deleteOnClick = TextWord(args, 1) == "delete";
    });
}

}  // namespace

void AddTreeCommands(HostWindow& host)
{
    auto trees = std::make_shared<Trees>();
    host.AddCommand("tree", [&host, trees](const HostWindow::Words& args) {
        const std::string name = TextWord(args, 0);
        const RECT rc{NumberWord(args, 1), NumberWord(args, 2), NumberWord(args, 3), NumberWord(args, 4)};
        PlacedTree& placed = (*trees)[name];
        placed.tree = std::make_unique<Tree>(host.Hwnd(), 0, rc);
        host.AddChild(name, placed.tree->Hwnd());
        host.AddChild(name + ".host", placed.tree->HostWindow());
        host.AddChild(name + ".tree", placed.tree->TreeWindow());
        ConnectEvents(host, name, placed);
    });
    AddItemCommands(host, trees);
    AddViewCommands(host, trees);
}

}  // namespace kforge
