#include "PropertiesCommands.h"

#include <commctrl.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Boundary.h"
#include "CommandWords.h"
#include "Dialogs.h"
#include "Gdi.h"
#include "WindowText.h"

namespace kforge {

namespace {

using Dialog = ProjectPropertiesDialog;

const std::vector<std::pair<const char*, int>> kControls{
    {"Combo2", Dialog::kConfigurationId},  {"Combo1", Dialog::kStartupId},
    {"Tree1", Dialog::kPagesId},           {"Prop", Dialog::kPropertiesId},
    {"Label5", Dialog::kPageTitleId},      {"Label2", Dialog::kRowNameId},
    {"Label3", Dialog::kRowDescriptionId}, {"OK", Dialog::kOkId},
    {"Cancel", Dialog::kCancelId},         {"Help", Dialog::kHelpId},
    {"Text1", Dialog::kProjectNameId},     {"Text2", Dialog::kBuildBatchId},
    {"Command6", Dialog::kBrowseId},
};

HostWindow* theHost = nullptr;
StandInHost* theStandIn = nullptr;
Dialog* theDialog = nullptr;

std::string Hex(unsigned long value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%lx", value);
    return text;
}

std::string ClassOf(HWND hwnd)
{
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string RectText(const RECT& rect)
{
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.right) +
           " " + std::to_string(rect.bottom);
}

std::string ScreenLine(HWND hwnd, RECT rect)
{
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return "screen " + RectText(rect);
}

HWND DialogWindow()
{
    if (!theDialog->Hwnd()) { throw std::runtime_error("the dialog is not shown"); }
    return theDialog->Hwnd();
}

// The first descendant of parent with the window class.
HWND FindDescendant(HWND parent, const char* className)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == className) { return child; }
        if (HWND found = FindDescendant(child, className)) { return found; }
    }
    return nullptr;
}

HWND NamedControl(const std::string& name)
{
    for (const auto& [controlName, id] : kControls) {
        if (name == controlName) { return GetDlgItem(DialogWindow(), id); }
    }
    throw std::invalid_argument("no control named " + name);
}

std::string NameOf(HWND hwnd)
{
    for (const auto& [controlName, id] : kControls) {
        HWND control = GetDlgItem(DialogWindow(), id);
        if (control && (hwnd == control || IsChild(control, hwnd))) { return controlName; }
    }
    return hwnd == DialogWindow() ? "dialog" : "none";
}

HWND PageTree() { return FindDescendant(NamedControl("Tree1"), "SysTreeView32"); }

// The tree view's items in display order (parents before children).
void CollectPages(HWND tree, HTREEITEM first, int depth, std::vector<std::pair<HTREEITEM, int>>& pages)
{
    for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(tree, item)) {
        pages.emplace_back(item, depth);
        CollectPages(tree, TreeView_GetChild(tree, item), depth + 1, pages);
    }
}

std::vector<std::pair<HTREEITEM, int>> Pages()
{
    HWND tree = PageTree();
    std::vector<std::pair<HTREEITEM, int>> pages;
    CollectPages(tree, TreeView_GetRoot(tree), 0, pages);
    return pages;
}

std::string ItemText(HWND tree, HTREEITEM item, int* image = nullptr, int* selectedImage = nullptr)
{
    char text[256] = "";
    TVITEMA data{};
    data.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    if (image) { *image = data.iImage; }
    if (selectedImage) { *selectedImage = data.iSelectedImage; }
    return text;
}

void ReportCombo(const std::string& name, HWND combo)
{
    theHost->Print("combo " + name + " selected " + std::to_string(SendMessageA(combo, CB_GETCURSEL, 0, 0)));
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        char text[256] = "";
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        const LRESULT data = SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(row), 0);
        theHost->Print("choice " + name + " " + std::to_string(row) + " [" + text + "] data " +
                       std::to_string(static_cast<long long>(data)));
    }
}

void Report()
{
    HWND dialog = DialogWindow();
    theHost->AddChild("dialog", dialog);
    RECT client;
    GetClientRect(dialog, &client);
    theHost->Print("caption [" + WindowText(dialog) + "]");
    theHost->Print("client " + std::to_string(client.right) + " " + std::to_string(client.bottom) +
                   " twips " + std::to_string(TwipsPerPixelX()) + " " + std::to_string(TwipsPerPixelY()));
    theHost->Print("focus " + NameOf(GetFocus()));
    for (const auto& [name, id] : kControls) {
        HWND control = GetDlgItem(dialog, id);
        if (!control) { continue; }
        theHost->AddChild(name, control);
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        theHost->Print(std::string("control ") + name + " " + ClassOf(control) + " [" + WindowText(control) +
                       "] rect " + RectText(rect));
        if (ClassOf(control) == "ComboBox") { ReportCombo(name, control); }
    }
}

void ReportPages()
{
    HWND tree = PageTree();
    const auto pages = Pages();
    HTREEITEM selected = TreeView_GetSelection(tree);
    for (size_t n = 0; n < pages.size(); ++n) {
        int image = -1, selectedImage = -1;
        const std::string text = ItemText(tree, pages[n].first, &image, &selectedImage);
        RECT rect;
        const bool visible = TreeView_GetItemRect(tree, pages[n].first, &rect, TRUE) != FALSE;
        theHost->Print("page " + std::to_string(n) + " " + std::to_string(pages[n].second) + " [" + text +
                       "] image " + std::to_string(image) + " selected " + std::to_string(selectedImage) +
                       " visible " + (visible ? "1" : "0"));
    }
    theHost->Print("page-selected [" + (selected ? ItemText(tree, selected) : std::string()) + "]");
    theHost->Print("tree-style " + Hex(static_cast<unsigned long>(GetWindowLongPtrA(tree, GWL_STYLE))));
}

std::string JoinValues(const std::vector<std::string>& values)
{
    std::string text;
    for (const std::string& value : values) { text += (text.empty() ? "" : "|") + value; }
    return text;
}

void ReportRows()
{
    const PropList* list = theDialog->Properties();
    if (!list) { throw std::runtime_error("the dialog is not shown"); }
    theHost->Print("rows " + std::to_string(list->RowCount()) + " current " +
                   std::to_string(list->CurrentRow()));
    for (int i = 0; i < list->RowCount(); ++i) {
        const PropRow& row = *const_cast<PropList*>(list)->Row(i);
        theHost->Print("row " + std::to_string(i) + " [" + row.Name() + "] kind " +
                       std::to_string(row.Kind()) + " [" + row.Description() + "] values [" +
                       JoinValues(row.Values().Items()) + "] value [" + row.Value() + "]");
    }
}

void WherePage(int n)
{
    const auto pages = Pages();
    if (n < 0 || n >= static_cast<int>(pages.size())) { throw std::invalid_argument("no such page"); }
    RECT rect;
    if (!TreeView_GetItemRect(PageTree(), pages[static_cast<size_t>(n)].first, &rect, TRUE)) {
        throw std::runtime_error("the page is not visible");
    }
    theHost->Print(ScreenLine(PageTree(), rect));
}

void WhereListRow(HWND list, int row)
{
    RECT rect;
    if (!list || SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row),
                              reinterpret_cast<LPARAM>(&rect)) == LB_ERR) {
        throw std::invalid_argument("no such row");
    }
    theHost->Print(ScreenLine(list, rect));
}

HWND DroppedList(const std::string& comboName)
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    HWND combo = NamedControl(comboName);
    if (!GetComboBoxInfo(combo, &info) || !SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0)) {
        throw std::runtime_error(comboName + " is not dropped down");
    }
    return info.hwndList;
}

std::string ShownFilter(const std::string& filter)
{
    std::string shown = filter;
    for (char& c : shown) {
        if (c == '\0') { c = '|'; }
    }
    return shown;
}

DialogAnswer AnswerDialog(const DialogRequest& request)
{
    DialogAnswer answer;
    if (request.kind == DialogKind::Message) {
        theHost->Print("box [" + request.title + "] [" + request.text + "] flags " + Hex(request.flags));
        answer.button = IDOK;
    } else {
        theHost->Print("open [" + request.title + "] [" + ShownFilter(request.text) + "] flags " +
                       Hex(request.flags));
        answer.path = theStandIn->OpenAnswer();
    }
    return answer;
}

void CALLBACK ShowDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    CallGuarded([] {
        const int code = theDialog->ShowModal(theHost->Hwnd());
        for (const auto& [name, id] : kControls) { theHost->RemoveChild(name); }
        theHost->RemoveChild("dialog");
        const ShellValues& values = theStandIn->Values();
        theHost->Print("closed " + std::to_string(code));
        theHost->Print("values name [" + values.solutionName + "] startup [" + values.solutionStartup +
                       "] batch [" + values.solutionBuildBatch + "]");
    });
}

}  // namespace

void AddPropertiesCommands(HostWindow& host, StandInHost& standIn, ProjectPropertiesDialog& dialog)
{
    theHost = &host;
    theStandIn = &standIn;
    theDialog = &dialog;
    SetDialogHandler(AnswerDialog);
    host.AddCommand("load", [](const HostWindow::Words& args) { theStandIn->Load(TextWord(args, 0)); });
    host.AddCommand("show", [](const HostWindow::Words&) {
        if (!SetTimer(nullptr, 0, 0, ShowDialog)) { throw std::runtime_error("no timer"); }
    });
    host.AddCommand("report", [](const HostWindow::Words&) { Report(); });
    host.AddCommand("pages", [](const HostWindow::Words&) { ReportPages(); });
    host.AddCommand("rows", [](const HostWindow::Words&) { ReportRows(); });
    host.AddCommand("where-page", [](const HostWindow::Words& args) { WherePage(NumberWord(args, 0)); });
    host.AddCommand("where-row", [](const HostWindow::Words& args) {
        WhereListRow(FindDescendant(NamedControl("Prop"), "ListBox"), NumberWord(args, 0));
    });
    host.AddCommand("where-choice", [](const HostWindow::Words& args) {
        WhereListRow(DroppedList(TextWord(args, 0)), NumberWord(args, 1));
    });
    host.AddCommand("press", [](const HostWindow::Words& args) {
        HWND button = NamedControl(TextWord(args, 0));
        PostMessageA(DialogWindow(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    });
    host.AddCommand("closebox", [](const HostWindow::Words&) {
        PostMessageA(DialogWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
}

}  // namespace kforge
