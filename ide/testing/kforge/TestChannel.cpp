#include "TestChannel.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "CodeEdit.h"
#include "DockMenus.h"
#include "IDocument.h"
#include "MainWindow.h"
#include "Texts.h"

namespace kforge {

namespace {

constexpr const char* kEnvironmentName = "KFORGE_TEST_CHANNEL";
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTickMilliseconds = 50;
constexpr UINT kRunLaterMessage = WM_APP + 1;

// Line ends and NULs made visible, so one result stays on one line.
std::string Shown(const std::string& text)
{
    std::string shown;
    for (char c : text) {
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\0') {
            shown += "\\0";
        } else {
            shown += c;
        }
    }
    return shown;
}

const char* KindName(DialogKind kind)
{
    switch (kind) {
        case DialogKind::Message:
            return "message";
        case DialogKind::Open:
            return "open";
        case DialogKind::Save:
            return "save";
        case DialogKind::Folder:
            return "folder";
    }
    return "?";
}

int ButtonOf(const std::string& word)
{
    static const std::pair<const char*, int> kButtons[] = {
        {"yes", IDYES}, {"no", IDNO}, {"ok", IDOK}, {"cancel", IDCANCEL}};
    for (const auto& button : kButtons) {
        if (word == button.first) { return button.second; }
    }
    return IDCANCEL;
}

// Word i of a command, or "" when it has fewer words.
std::string Word(const std::vector<std::string>& words, std::size_t i)
{
    return i < words.size() ? words[i] : std::string();
}

// Word i of a command read as a number (0 when missing or not a number).
int Number(const std::vector<std::string>& words, std::size_t i) { return std::atoi(Word(words, i).c_str()); }

// The text after the first n words of a line.
std::string AfterWords(const std::string& line, int n)
{
    std::size_t at = 0;
    for (int i = 0; i < n; ++i) {
        at = line.find_first_not_of(' ', at);
        at = line.find(' ', at);
        if (at == std::string::npos) { return ""; }
    }
    return line.substr(at + 1);
}

}  // namespace

std::unique_ptr<TestChannel> TestChannel::FromEnvironment(MainWindow& main)
{
    const char* folder = std::getenv(kEnvironmentName);
    if (!folder || !*folder) { return nullptr; }
    auto channel = std::make_unique<TestChannel>(main, folder);
    return channel->Hwnd() ? std::move(channel) : nullptr;
}

TestChannel::TestChannel(MainWindow& main, const std::string& folder)
    : main_(main), channel_(folder + "\\commands", folder + "\\results")
{
    WindowSpec spec;
    spec.className = "KForgeTestChannel";
    spec.parent = HWND_MESSAGE;
    if (!Create(spec)) { return; }
    SetDialogHandler([this](const DialogRequest& request) { return Answer(request); });
    SetTimer(Hwnd(), kTimerId, kTickMilliseconds, nullptr);
    channel_.WriteResult("ready");
}

TestChannel::~TestChannel()
{
    SetDialogHandler(nullptr);
    if (Hwnd()) { DestroyWindow(Hwnd()); }
}

DialogAnswer TestChannel::Answer(const DialogRequest& request)
{
    std::string line = std::string("asked ") + KindName(request.kind) + "|" + request.title + "|" +
                       Shown(request.text) + "|" + request.defaultExt;
    DialogAnswer answer;
    if (answers_.empty()) {
        channel_.WriteResult(line + "|unanswered");
        return answer;
    }
    const std::string given = answers_.front();
    answers_.pop_front();
    channel_.WriteResult(line + "|" + given);
    if (request.kind == DialogKind::Message) {
        answer.button = ButtonOf(given);
    } else if (StartsWith(given, "path ")) {
        answer.path = given.substr(5);
        answer.button = IDOK;
    }
    return answer;
}

// Commands wait for the end of the start-up, whose pumps let ticks in: the
// default solution is open by then.
void TestChannel::Tick()
{
    if (running_ || !main_.Started()) { return; }
    running_ = true;
    auto alive = AliveToken();
    for (const std::string& line : channel_.TakeNewCommands()) {
        const std::vector<std::string> words = SplitWords(line);
        if (words.empty()) { continue; }
        ++commandCount_;
        const int number = commandCount_;
        Run(words, line);
        if (!*alive) { return; }
        channel_.WriteResult("done " + std::to_string(number));
    }
    running_ = false;
}

// The link's verbs. A verb gets the command's words (the verb first) and
// its whole line; a verb needing more words than it got is unknown.
void TestChannel::Run(const std::vector<std::string>& words, const std::string& line)
{
    using Words = std::vector<std::string>;
    struct Verb {
        const char* name;
        std::size_t words;  // at least
        void (*run)(TestChannel& self, const Words& words, const std::string& line);
    };
    static const Verb kVerbs[] = {
        {"command", 1,
         [](TestChannel& t, const Words& w, const std::string&) { t.main_.RunCommand(Word(w, 1)); }},
        {"post", 1, [](TestChannel& t, const Words& w, const std::string&) { t.RunLater(Word(w, 1)); }},
        {"entry", 3,
         [](TestChannel& t, const Words& w, const std::string&) { t.ClickEntry(w[1], Number(w, 2)); }},
        {"answer", 1,
         [](TestChannel& t, const Words&, const std::string& l) { t.answers_.push_back(AfterWords(l, 1)); }},
        {"state", 1,
         [](TestChannel& t, const Words& w, const std::string&) {
             t.WriteStates(Words(w.begin() + 1, w.end()));
         }},
        {"windows", 1, [](TestChannel& t, const Words&, const std::string&) { t.WriteWindows(); }},
        {"tree", 1, [](TestChannel& t, const Words&, const std::string&) { t.WriteTree(); }},
        {"values", 1, [](TestChannel& t, const Words&, const std::string&) { t.WriteValues(); }},
        {"text", 1, [](TestChannel& t, const Words&, const std::string&) { t.WriteText(); }},
        {"entries", 1,
         [](TestChannel& t, const Words& w, const std::string&) { t.WriteEntries(Word(w, 1)); }},
        {"panes", 1, [](TestChannel& t, const Words&, const std::string&) { t.WritePanes(); }},
        {"toolbar", 1, [](TestChannel& t, const Words&, const std::string&) { t.WriteToolBar(); }},
        {"button", 1,
         [](TestChannel& t, const Words& w, const std::string&) {
             t.WriteScreenRect(t.main_.Dock().ScreenRectOfButton(Word(w, 1)));
         }},
        {"tab", 1,
         [](TestChannel& t, const Words& w, const std::string&) {
             t.WriteScreenRect(t.main_.Dock().ScreenRectOfTab(Number(w, 1), false));
         }},
        {"tab-scroll", 1,
         [](TestChannel& t, const Words& w, const std::string&) {
             t.WriteScreenRect(t.main_.Dock().ScreenRectOfTabScroll(Word(w, 1) == "end"));
         }},
        {"output-lines", 1, [](TestChannel& t, const Words&, const std::string&) { t.WriteOutputLines(); }},
        {"cursor", 1, [](TestChannel& t, const Words&, const std::string&) { t.WriteCursor(); }},
        {"type", 1,
         [](TestChannel& t, const Words&, const std::string& l) {
             if (!t.TypeText(AfterWords(l, 1))) { t.channel_.WriteResult("no editor"); }
         }},
        {"close", 1,
         [](TestChannel& t, const Words&, const std::string&) {
             // As the tab's close box does.
             if (std::shared_ptr<DocWindow> active = t.main_.Dock().ActiveWindow()) {
                 active->SetVisible(false);
             }
         }},
        {"close-window", 1,
         [](TestChannel& t, const Words&, const std::string& l) {
             // As the close box of the top-level window with that caption does.
             HWND window = FindWindowA(nullptr, AfterWords(l, 1).c_str());
             if (!window || !PostMessageA(window, WM_CLOSE, 0, 0)) { t.channel_.WriteResult("no window"); }
         }},
        {"select-item", 1,
         [](TestChannel& t, const Words& w, const std::string&) {
             if (!t.SelectTreeItem(Word(w, 1))) { t.channel_.WriteResult("no item " + Word(w, 1)); }
         }},
        {"selection", 1, [](TestChannel& t, const Words&, const std::string&) { t.WriteSelection(); }},
        {"tasks", 1, [](TestChannel& t, const Words&, const std::string&) { t.WriteTasks(); }},
        {"keys-after-poll", 1,
         [](TestChannel& t, const Words& w, const std::string&) {
             if (!t.KeysAfterPoll(Words(w.begin() + 1, w.end()))) { t.channel_.WriteResult("keys not sent"); }
         }},
        {"menu", 1, [](TestChannel& t, const Words&, const std::string&) { t.WriteMenu(); }},
        {"end-menu", 1, [](TestChannel&, const Words&, const std::string&) { EndMenu(); }},
        {"status", 1,
         [](TestChannel& t, const Words&, const std::string&) {
             t.channel_.WriteResult("status " + t.main_.Dock().StatusText(0));
         }},
        {"dialog-set", 1,
         [](TestChannel& t, const Words& w, const std::string& l) {
             HWND control = t.DialogControl(Number(w, 1));
             if (!control || !SetWindowTextA(control, AfterWords(l, 2).c_str())) {
                 t.channel_.WriteResult("no control " + Word(w, 1));
             }
         }},
        {"dialog-pick", 3,
         [](TestChannel& t, const Words& w, const std::string&) {
             if (!t.PickDialogRow(Number(w, 1), Number(w, 2))) {
                 t.channel_.WriteResult("no control " + w[1]);
             }
         }},
        {"dialog-click", 1,
         [](TestChannel& t, const Words& w, const std::string&) {
             if (!t.ClickDialogButton(Number(w, 1))) { t.channel_.WriteResult("no control " + Word(w, 1)); }
         }},
    };
    for (const Verb& verb : kVerbs) {
        if (words[0] == verb.name && words.size() >= verb.words) {
            verb.run(*this, words, line);
            return;
        }
    }
    channel_.WriteResult("unknown " + words[0]);
}

// A command that shows a modal dialog runs from the message loop, so the
// link goes on answering while the dialog shows.
void TestChannel::RunLater(const std::string& key)
{
    laterCommands_.push_back(key);
    PostMessageA(Hwnd(), kRunLaterMessage, 0, 0);
}

void TestChannel::ClickEntry(const std::string& key, int index)
{
    Tool* tool = main_.Dock().Tools(key);
    if (!tool) { return; }
    tool->SetClickedEntry(index);
    main_.RunCommand(key);
    tool->SetClickedEntry(-1);
}

void TestChannel::WriteStates(const std::vector<std::string>& keys)
{
    for (const std::string& key : keys) {
        Tool* tool = main_.Dock().Tools(key);
        channel_.WriteResult(
            "state " + key + " " +
            (tool ? std::to_string(tool->Enabled() ? 1 : 0) + " " + std::to_string(tool->State())
                  : std::string("none")));
    }
}

void TestChannel::WriteWindows()
{
    std::shared_ptr<DocWindow> active = main_.Dock().ActiveWindow();
    for (const std::shared_ptr<DocWindow>& window : main_.Dock().Windows().Snapshot()) {
        IDocument* document = window->Form();
        channel_.WriteResult("window " + std::to_string(window->Index()) + "|" + window->Key() + "|" +
                             window->Caption() + "|" + (document ? document->FileName() : "") + "|" +
                             (document && document->DocChanged() ? "changed" : "unchanged") + "|" +
                             (window == active ? "active" : ""));
    }
}

void TestChannel::WriteTree()
{
    ProjectExplorer* explorer = main_.Explorer();
    if (!explorer) { return; }
    for (int i = 0; i < explorer->Tree1()->ItemCount(); ++i) {
        const TreeNode node = explorer->Tree1()->GetItemNode(i);
        channel_.WriteResult("item " + std::to_string(i) + "|" + node.key + "|" + node.text + "|" + node.tag +
                             "|" + std::to_string(node.image));
    }
}

void TestChannel::WriteValues()
{
    const ShellValues& values = main_.Values();
    channel_.WriteResult("values " + values.solutionName + "|" + values.solutionPath + "|" +
                         values.solutionStartup + "|" + values.solutionBuildBatch + "|" +
                         std::to_string(values.documentCounter));
}

void TestChannel::WriteText()
{
    CodeEdit* editor = main_.ActiveEditor();
    channel_.WriteResult(editor ? "text " + Shown(editor->Text()) : std::string("no editor"));
}

void TestChannel::WriteEntries(const std::string& key)
{
    Tool* tool = main_.Dock().Tools(key);
    if (!tool) { return; }
    const std::vector<MruEntry>& entries = tool->Entries().Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        channel_.WriteResult("entry " + std::to_string(i) + "|" + entries[i].caption);
    }
}

void TestChannel::WritePanes()
{
    for (const char* key : {"frmOutput", "frmProject", "frmHelp", "frmTask"}) {
        Pane* pane = main_.Dock().Panes(key);
        channel_.WriteResult(std::string("pane ") + key + " " + (pane && pane->Visible() ? "1" : "0"));
    }
    for (const char* key : {"StatusBar", "StandartBar"}) {
        CommandBar* bar = main_.Dock().CommandBars(key);
        channel_.WriteResult(std::string("bar ") + key + " " + (bar && bar->Visible() ? "1" : "0"));
    }
}

// Each button's key, picture, whether its caption shows and whether it is
// enabled; then the number of pictures the bar has for enabled and for
// disabled buttons.
void TestChannel::WriteToolBar()
{
    HWND bar = main_.Dock().ToolBarWindow();
    for (const ToolButtonSpec& spec : ToolBarSpec()) {
        if (spec.kind != ToolButtonKind::Button) { continue; }
        TBBUTTONINFOA info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_IMAGE | TBIF_STYLE | TBIF_STATE;
        if (SendMessageA(bar, TB_GETBUTTONINFOA, main_.Dock().CommandId(spec.key),
                         reinterpret_cast<LPARAM>(&info)) < 0) {
            channel_.WriteResult("button " + spec.key + " none");
            continue;
        }
        channel_.WriteResult("button " + spec.key + " " + std::to_string(info.iImage) + " " +
                             (info.fsStyle & BTNS_SHOWTEXT ? "text" : "picture") + " " +
                             (info.fsState & TBSTATE_ENABLED ? "enabled" : "disabled"));
    }
    const auto count = [bar](UINT message) {
        const auto list = reinterpret_cast<HIMAGELIST>(SendMessageA(bar, message, 0, 0));
        return std::to_string(list ? ImageList_GetImageCount(list) : 0);
    };
    channel_.WriteResult("pictures " + count(TB_GETIMAGELIST) + " " + count(TB_GETDISABLEDIMAGELIST));
}

void TestChannel::WriteScreenRect(const RECT& rect)
{
    channel_.WriteResult("screen " + std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
                         std::to_string(rect.right) + " " + std::to_string(rect.bottom));
}

// How many whole lines of text the Output pane's box shows.
void TestChannel::WriteOutputLines()
{
    HWND box = main_.Output().Edit();
    RECT format{};
    SendMessageA(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    HDC dc = GetDC(box);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    const int lines = metrics.tmHeight > 0 ? (format.bottom - format.top) / metrics.tmHeight : 0;
    channel_.WriteResult("output-lines " + std::to_string(lines));
}

// The shape of the mouse cursor: "resize-up-down", "resize-left-right" or "other".
void TestChannel::WriteCursor()
{
    const HCURSOR cursor = GetCursor();
    const char* shape =
        cursor == LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZENS))   ? "resize-up-down"
        : cursor == LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE)) ? "resize-left-right"
                                                                               : "other";
    channel_.WriteResult(std::string("cursor ") + shape);
}

// As if typed at the caret: the editor reports the change as a user's.
bool TestChannel::TypeText(const std::string& text)
{
    CodeEdit* editor = main_.ActiveEditor();
    if (!editor) { return false; }
    editor->ReplaceSel(ReplaceAll(text, "\\n", "\r\n"));
    return true;
}

// Selects the item and writes where it shows on the screen, for a test
// that clicks it as a user does.
bool TestChannel::SelectTreeItem(const std::string& key)
{
    ProjectExplorer* explorer = main_.Explorer();
    if (!explorer || explorer->Tree1()->ItemCount() == 0) { return false; }
    explorer->Tree1()->SelectItem(key);
    HWND view = explorer->Tree1()->TreeWindow();
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(view, TVM_GETNEXTITEM, TVGN_CARET, 0));
    RECT rect{};
    if (!item || !TreeView_GetItemRect(view, item, &rect, TRUE)) { return false; }
    MapWindowPoints(view, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    WriteScreenRect(rect);
    return true;
}

void TestChannel::WriteSelection()
{
    CodeEdit* editor = main_.ActiveEditor();
    if (!editor) {
        channel_.WriteResult("no editor");
        return;
    }
    const Range range = editor->GetSel(true);
    channel_.WriteResult("selection " + std::to_string(range.startLine) + " " +
                         std::to_string(range.startCol) + " " + std::to_string(range.endLine) + " " +
                         std::to_string(range.endCol));
}

void TestChannel::WriteTasks()
{
    ListCtl* list = main_.Tasks() ? main_.Tasks()->Tasks() : nullptr;
    if (!list) { return; }
    for (int i = 0; i < list->ListCount(); ++i) {
        channel_.WriteResult("task " + std::to_string(i) + "|" + list->List(i));
    }
}

// A tick of the open-request poll posted to the main window, then keys
// posted to the window with the focus, all at once: the poll runs first and
// meets the keys in the queue. A key is a key name (F5, Down, ...), posted
// as its key-down and key-up, or one letter or digit, posted as the
// character typed.
bool TestChannel::KeysAfterPoll(const std::vector<std::string>& keys)
{
    static const std::pair<const char*, WORD> kNamedKeys[] = {
        {"F4", VK_F4}, {"F5", VK_F5}, {"Down", VK_DOWN}, {"Up", VK_UP}, {"Return", VK_RETURN}};
    HWND focus = GetFocus();
    if (!focus || !PostMessageA(main_.Hwnd(), WM_TIMER, MainWindow::kPollTimerId, 0)) { return false; }
    for (const std::string& key : keys) {
        if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0]))) {
            if (!PostMessageA(focus, WM_CHAR, static_cast<WPARAM>(key[0]), 1)) { return false; }
            continue;
        }
        const auto named = std::find_if(std::begin(kNamedKeys), std::end(kNamedKeys),
                                        [&](const auto& entry) { return key == entry.first; });
        if (named == std::end(kNamedKeys)) { return false; }
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(named->second, MAPVK_VK_TO_VSC)) << 16;
        if (!PostMessageA(focus, WM_KEYDOWN, named->second, 1 | scan) ||
            !PostMessageA(focus, WM_KEYUP, named->second, 1 | scan | (LPARAM{3} << 30))) {
            return false;
        }
    }
    return true;
}

// "menu 1 N" while a menu's loop runs, N the highlighted entry of the open
// menu of the menu bar (-1 for none); "menu 0" otherwise.
void TestChannel::WriteMenu()
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetCurrentThreadId(), &info) || !(info.flags & GUI_INMENUMODE)) {
        channel_.WriteResult("menu 0");
        return;
    }
    int highlighted = -1;
    HMENU bar = GetMenu(main_.Hwnd());
    for (int i = 0; bar && i < GetMenuItemCount(bar); ++i) {
        HMENU popup = GetSubMenu(bar, i);
        if (!popup || !(GetMenuState(bar, i, MF_BYPOSITION) & MF_HILITE)) { continue; }
        for (int j = 0; j < GetMenuItemCount(popup); ++j) {
            if (GetMenuState(popup, j, MF_BYPOSITION) & MF_HILITE) { highlighted = j; }
        }
    }
    channel_.WriteResult("menu 1 " + std::to_string(highlighted));
}

HWND TestChannel::DialogControl(int id) const
{
    HWND dialog = GetLastActivePopup(main_.Hwnd());
    return dialog && dialog != main_.Hwnd() ? GetDlgItem(dialog, id) : nullptr;
}

// As a user's choice in the list: the row selected, then the dialog told.
bool TestChannel::PickDialogRow(int id, int row)
{
    HWND combo = DialogControl(id);
    if (!combo || SendMessageA(combo, CB_SETCURSEL, row, 0) == CB_ERR) { return false; }
    return PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(combo)) != FALSE;
}

// As a click: the dialog gets the button's notification from its loop.
bool TestChannel::ClickDialogButton(int id)
{
    HWND button = DialogControl(id);
    return button && PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                  reinterpret_cast<LPARAM>(button));
}

LRESULT TestChannel::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER && wParam == kTimerId) {
        Tick();
        return 0;
    }
    if (msg == kRunLaterMessage && !laterCommands_.empty()) {
        const std::string key = laterCommands_.front();
        laterCommands_.pop_front();
        main_.RunCommand(key);
        return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

}  // namespace kforge
