#include "DockHost.h"

#include <windowsx.h>

#include <algorithm>

#include "DockKeys.h"
#include "IDocument.h"

namespace kforge {

namespace {

constexpr UINT kFirstToolId = 1000;
constexpr UINT kFirstEntryId = 20000;
constexpr UINT kEntriesPerTool = 16;
constexpr int kSplitter = 6;  // a raised bar between a side and the centre
constexpr int kMinSide = 40;
constexpr int kMinCentre = 80;

struct PaneSpec {
    const char* key;
    const char* caption;
    DockSide side;
};

// In their default tab order: Project Explorer and Help right, Output and
// Task List bottom.
constexpr PaneSpec kPanes[] = {{keys::kOutputPane, "Output", DockSide::Bottom},
                               {keys::kProjectPane, "Project Explorer", DockSide::Right},
                               {keys::kHelpPane, "Help", DockSide::Right},
                               {keys::kTaskPane, "Task List", DockSide::Bottom}};

// Left, right, bottom. The bottom side shows ten lines of the Output pane
// under its caption, view selector and pane tabs.
constexpr std::array<int, kDockSideCount> kDefaultSideSize = {200, 230, 250};
const char* const kMruTools[] = {keys::kFileMruList, keys::kProjectList};
const char* const kPopupTools[] = {keys::kEditPopup, keys::kProjectTreePopup};

struct ShortcutKey {
    UINT key;
    bool control;
    const char* tool;  // null: close the active document
};

constexpr ShortcutKey kShortcuts[] = {{VK_F4, true, nullptr},       {'N', true, keys::kFileFile},
                                      {'O', true, keys::kFileOpen},      {'S', true, keys::kFileSave},
                                      {VK_F5, false, keys::kBuildBuild}, {VK_F5, true, keys::kBuildExecute}};

void CollectKeys(const std::vector<MenuItemSpec>& items, std::vector<std::string>& toolKeys)
{
    for (const MenuItemSpec& item : items) {
        if (!item.key.empty() && std::find(toolKeys.begin(), toolKeys.end(), item.key) == toolKeys.end()) {
            toolKeys.push_back(item.key);
        }
        CollectKeys(item.items, toolKeys);
    }
}

RECT ToScreen(HWND hwnd, RECT rect)
{
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, std::max(low, high))); }

}  // namespace

DockHost::DockHost() : docTabs_(true), sideSize_(kDefaultSideSize), windows_(*this)
{
    CreateTools();
    CreatePanes();
    for (const char* key : {keys::kStatusBar, keys::kStandartBar}) {
        auto bar = std::make_unique<CommandBar>(key);
        bar->onChanged = [this] { Relayout(); };
        bars_[key] = std::move(bar);
    }
    ShowBarStates();
}

DockHost::~DockHost()
{
    for (const auto& window : windows_.windows_) { window->host_ = nullptr; }
    frameSubclass_.UnSubclass();
    if (bar_ && IsWindow(frame_) && GetMenu(frame_) == bar_) {
        SetMenu(frame_, nullptr);
        DestroyMenu(bar_);
    }
}

void DockHost::ShowBarStates()
{
    Tools(keys::kViewStatus)->SetState(bars_[keys::kStatusBar]->Visible() ? 1 : 0);
    Tools(keys::kViewToolbar)->SetState(bars_[keys::kStandartBar]->Visible() ? 1 : 0);
}

void DockHost::CreateTools()
{
    std::vector<std::string> toolKeys;
    for (const MenuSpec& menu : MenuBarSpec()) { CollectKeys(menu.items, toolKeys); }
    for (const MenuSpec& popup : PopupSpecs()) {
        toolKeys.push_back(popup.key);
        CollectKeys(popup.items, toolKeys);
    }
    for (const ToolButtonSpec& button : ToolBarSpec()) {
        if (!button.key.empty() && std::find(toolKeys.begin(), toolKeys.end(), button.key) == toolKeys.end()) {
            toolKeys.push_back(button.key);
        }
    }
    for (const std::string& key : toolKeys) {
        auto tool = std::make_unique<Tool>(key);
        tool->onChanged = [this](Tool& changed) { ApplyTool(changed); };
        tools_.push_back(std::move(tool));
    }
    for (const char* key : kPopupTools) {
        Tools(key)->onShowPopup = [this, key] { ShowPopup(key); };
    }
    Tools(keys::kBuildPage)->onReadText = [this] { return toolBar_.ComboText(); };
}

void DockHost::CreatePanes()
{
    for (const PaneSpec& spec : kPanes) {
        auto pane = std::make_unique<Pane>(spec.key, spec.caption, spec.side);
        pane->onVisibleChanged = [this](Pane& changed) { OnPaneShown(changed); };
        pane->onHostedChanged = [this](Pane&) {
            RefreshSides();
            Relayout();
        };
        panes_.push_back(std::move(pane));
    }
    for (const auto& pane : panes_) {
        std::string& current = sideCurrent_[static_cast<int>(pane->Side())];
        if (current.empty()) { current = pane->Key(); }
    }
}

bool DockHost::Create(HWND frame, IDockEvents* events)
{
    frame_ = frame;
    events_ = events;
    RECT client{};
    GetClientRect(frame, &client);
    WindowSpec spec;
    spec.className = "KDockHost";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    spec.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    spec.rect = client;
    spec.parent = frame;
    if (!Window::Create(spec) || !CreateChildren()) { return false; }
    if (!menus_.Build(
            [this](const std::string& key) { return CommandId(key); },
            [this](const std::string& key, std::size_t index) { return EntryCommandId(key, index); }) ||
        !SetMenu(frame, menus_.Bar())) {
        return false;
    }
    bar_ = menus_.Bar();
    menus_.ReleaseBar();  // the frame destroys it with itself
    for (const auto& tool : tools_) { ApplyTool(*tool); }
    if (!frameSubclass_.Subclass(frame, this)) { return false; }
    frameSubclass_.AddMsg(WM_COMMAND, Subclasser::kBefore);
    frameSubclass_.AddMsg(WM_SIZE, Subclasser::kAfter);
    FitToFrame();  // the menu bar took its height from the client area
    RefreshSides();
    return true;
}

bool DockHost::CreateChildren()
{
    if (!toolBar_.Create(Hwnd(), [this](const std::string& key) { return CommandId(key); }) ||
        !status_.Create(Hwnd()) || !docTabs_.Create(Hwnd())) {
        return false;
    }
    for (PaneSite& site : sites_) {
        if (!site.Create(Hwnd())) { return false; }
        site.onClosePane = [](Pane& pane) { pane.SetVisible(false); };
        site.onSelectPane = [](Pane& pane) { pane.SetVisible(true); };
    }
    docTabs_.onSelect = [this](int index) {
        if (index < static_cast<int>(tabWindows_.size())) { tabWindows_[index]->Activate(); }
    };
    docTabs_.onClose = [this](int index) {
        if (index < static_cast<int>(tabWindows_.size())) { RequestClose(*tabWindows_[index], kCloseByUser); }
    };
    return true;
}

void DockHost::SetLayoutReady(bool ready)
{
    ready_ = ready;
    if (ready) {
        Relayout();
        ShowWindow(Hwnd(), SW_SHOW);
    } else {
        ShowWindow(Hwnd(), SW_HIDE);
    }
}

CommandBar* DockHost::CommandBars(const std::string& key)
{
    auto found = bars_.find(key);
    return found == bars_.end() ? nullptr : found->second.get();
}

Tool* DockHost::Tools(const std::string& key)
{
    for (const auto& tool : tools_) {
        if (tool->Key() == key) { return tool.get(); }
    }
    return nullptr;
}

Pane* DockHost::Panes(const std::string& key)
{
    for (const auto& pane : panes_) {
        if (pane->Key() == key) { return pane.get(); }
    }
    return nullptr;
}

std::shared_ptr<DocWindow> DockHost::ActiveWindow() const
{
    for (const auto& window : windows_.windows_) {
        if (window.get() == active_) { return window; }
    }
    return nullptr;
}

// ---- commands

UINT DockHost::CommandId(const std::string& key) const
{
    for (size_t i = 0; i < tools_.size(); ++i) {
        if (tools_[i]->Key() == key) { return kFirstToolId + static_cast<UINT>(i); }
    }
    return 0;
}

UINT DockHost::EntryCommandId(const std::string& key, std::size_t index) const
{
    return kFirstEntryId + (CommandId(key) - kFirstToolId) * kEntriesPerTool + static_cast<UINT>(index);
}

bool DockHost::RunCommandId(UINT id)
{
    if (id >= kFirstToolId && id < kFirstToolId + tools_.size()) {
        Tool& tool = *tools_[id - kFirstToolId];
        if (tool.Enabled()) { RaiseCommand(tool, -1); }
        return true;
    }
    if (id < kFirstEntryId || (id - kFirstEntryId) / kEntriesPerTool >= tools_.size()) { return false; }
    Tool& tool = *tools_[(id - kFirstEntryId) / kEntriesPerTool];
    const int entry = static_cast<int>((id - kFirstEntryId) % kEntriesPerTool);
    if (tool.Enabled() && static_cast<std::size_t>(entry) < tool.Entries().Count()) {
        RaiseCommand(tool, entry);
    }
    return true;
}

void DockHost::RaiseCommand(Tool& tool, int entry)
{
    if (!events_) { return; }
    auto alive = AliveToken();
    tool.SetClickedEntry(entry);
    events_->OnCommand(tool);
    if (*alive) { tool.SetClickedEntry(-1); }
}

void DockHost::ApplyTool(Tool& tool)
{
    menus_.Apply(tool);
    if (tool.Key() == keys::kBuildPage) {
        toolBar_.EnableCombo(tool.Enabled());
    } else {
        toolBar_.SetButton(CommandId(tool.Key()), tool.Enabled(), tool.State() != 0);
    }
}

void DockHost::ShowPopup(const std::string& key)
{
    HMENU popup = menus_.Popup(key);
    POINT cursor{};
    if (!popup || !GetCursorPos(&cursor)) { return; }
    SetForegroundWindow(frame_);
    const UINT id = static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                     cursor.x, cursor.y, 0, Hwnd(), nullptr));
    if (id != 0) { RunCommandId(id); }
}

bool DockHost::TranslateKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || !frame_ || (msg.hwnd != frame_ && !IsChild(frame_, msg.hwnd))) {
        return false;
    }
    const bool control = GetKeyState(VK_CONTROL) < 0;
    for (const ShortcutKey& shortcut : kShortcuts) {
        if (msg.wParam != shortcut.key || control != shortcut.control) { continue; }
        if (!shortcut.tool) {
            if (active_) { RequestClose(*active_, kCloseByUser); }
        } else if (Tool* tool = Tools(shortcut.tool); tool->Enabled()) {
            RaiseCommand(*tool, -1);
        }
        return true;
    }
    return false;
}

// ---- documents

void DockHost::AdoptDocument(DocWindow& window)
{
    if (window.Form()) {
        AdoptChild(window.Form()->Hwnd(), Hwnd());
        ShowWindow(window.Form()->Hwnd(), SW_HIDE);
    }
}

void DockHost::ActivateDocument(DocWindow& window)
{
    window.visible_ = true;
    if (active_ == &window) {
        RefreshTabs();
        return;
    }
    if (active_ && active_->Form()) { ShowWindow(active_->Form()->Hwnd(), SW_HIDE); }
    active_ = &window;
    RefreshTabs();
    Relayout();
    if (window.Form()) { ShowWindow(window.Form()->Hwnd(), SW_SHOW); }
    if (events_) { events_->OnDocumentActivated(window); }
}

void DockHost::RequestClose(DocWindow& window, int mode)
{
    if (window.state_ != DocWindow::State::Open) { return; }
    std::shared_ptr<DocWindow> keep = windows_.Item(window.Index());
    bool cancel = false;
    if (events_) {
        auto alive = AliveToken();
        window.state_ = DocWindow::State::Closing;  // a Close() from the handler waits for the answer
        events_->OnDocumentClosing(window, mode, cancel);
        if (!*alive) { return; }
        window.state_ = DocWindow::State::Open;
    }
    if (!cancel) { RemoveDocument(window, mode); }
}

void DockHost::RemoveDocument(DocWindow& window, int mode)
{
    if (window.state_ != DocWindow::State::Open) { return; }
    std::shared_ptr<DocWindow> keep = windows_.Item(window.Index());
    window.state_ = DocWindow::State::Closing;
    const int index = window.Index();
    const bool wasActive = active_ == &window;
    windows_.Remove(window);
    window.visible_ = false;
    if (window.Form()) { ShowWindow(window.Form()->Hwnd(), SW_HIDE); }
    DocWindow* next = nullptr;
    if (wasActive) {
        active_ = nullptr;
        next = Successor(index);
    }
    RefreshTabs();
    auto alive = AliveToken();
    if (events_) { events_->OnDocumentDestroyed(window, mode); }
    window.state_ = DocWindow::State::Closed;
    window.host_ = nullptr;
    if (!*alive) { return; }
    if (next && next->IsOpen() && next->host_) {
        ActivateDocument(*next);
    } else {
        Relayout();
    }
}

DocWindow* DockHost::Successor(int removedIndex) const
{
    const auto& list = windows_.windows_;
    // After the removal the next window sits at the removed one's index.
    for (int i = removedIndex - 1; i < static_cast<int>(list.size()); ++i) {
        if (i >= 0 && list[i]->visible_) { return list[i].get(); }
    }
    for (int i = std::min(removedIndex - 2, static_cast<int>(list.size()) - 1); i >= 0; --i) {
        if (list[i]->visible_) { return list[i].get(); }
    }
    return nullptr;
}

void DockHost::RefreshTabs()
{
    tabWindows_.clear();
    std::vector<std::string> captions;
    int current = -1;
    for (const auto& window : windows_.windows_) {
        if (!window->visible_) { continue; }
        if (window.get() == active_) { current = static_cast<int>(tabWindows_.size()); }
        tabWindows_.push_back(window.get());
        captions.push_back(window->Caption());
    }
    docTabs_.SetTabs(captions, current);
}

// ---- panes and layout

void DockHost::OnPaneShown(Pane& pane)
{
    std::string& current = sideCurrent_[static_cast<int>(pane.Side())];
    if (pane.Visible()) {
        current = pane.Key();
    } else if (current == pane.Key()) {
        current.clear();
    }
    RefreshSides();
    Relayout();
}

void DockHost::RefreshSides()
{
    for (int side = 0; side < kDockSideCount; ++side) {
        std::vector<Pane*> shown;
        int current = -1;
        for (const auto& pane : panes_) {
            if (static_cast<int>(pane->Side()) != side) { continue; }
            if (!pane->Visible()) {
                if (pane->Hosted()) {
                    AdoptChild(pane->Hosted(), sites_[side].Hwnd());
                    ShowWindow(pane->Hosted(), SW_HIDE);
                }
                continue;
            }
            if (pane->Key() == sideCurrent_[side]) { current = static_cast<int>(shown.size()); }
            shown.push_back(pane.get());
        }
        if (current < 0 && !shown.empty()) {
            current = 0;
            sideCurrent_[side] = shown.front()->Key();
        }
        if (sites_[side].Hwnd()) { sites_[side].SetPanes(shown, current); }
    }
}

bool DockHost::SideInUse(int side) const
{
    return std::any_of(panes_.begin(), panes_.end(), [side](const std::unique_ptr<Pane>& pane) {
        return pane->Visible() && static_cast<int>(pane->Side()) == side;
    });
}

void DockHost::Relayout()
{
    if (!ready_ || !Hwnd()) { return; }
    RECT area{};
    GetClientRect(Hwnd(), &area);
    const int width = area.right;
    const bool toolBarShown = bars_[keys::kStandartBar]->Visible();
    const bool statusShown = bars_[keys::kStatusBar]->Visible();
    ShowWindow(toolBar_.Hwnd(), toolBarShown ? SW_SHOWNA : SW_HIDE);
    ShowWindow(status_.Hwnd(), statusShown ? SW_SHOWNA : SW_HIDE);
    if (toolBarShown) {
        MoveWindow(toolBar_.Hwnd(), 0, 0, width, toolBar_.Height(), TRUE);
        area.top = toolBar_.Height();
    }
    if (statusShown) {
        status_.Place(width, area.bottom);
        area.bottom -= status_.Height();
    }
    splitters_ = {};
    constexpr int order[] = {static_cast<int>(DockSide::Bottom), static_cast<int>(DockSide::Right),
                             static_cast<int>(DockSide::Left)};
    for (int side : order) {
        HWND site = sites_[side].Hwnd();
        if (!SideInUse(side)) {
            ShowWindow(site, SW_HIDE);
            continue;
        }
        RECT rect = area;
        RECT& splitter = splitters_[side];
        if (side == static_cast<int>(DockSide::Bottom)) {
            const int size = Clamp(sideSize_[side], kMinSide, area.bottom - area.top - kMinCentre);
            rect.top = area.bottom - size;
            splitter = {area.left, rect.top - kSplitter, area.right, rect.top};
            area.bottom = splitter.top;
        } else if (side == static_cast<int>(DockSide::Right)) {
            const int size = Clamp(sideSize_[side], kMinSide, area.right - area.left - kMinCentre);
            rect.left = area.right - size;
            splitter = {rect.left - kSplitter, area.top, rect.left, area.bottom};
            area.right = splitter.left;
        } else {
            const int size = Clamp(sideSize_[side], kMinSide, area.right - area.left - kMinCentre);
            rect.right = area.left + size;
            splitter = {rect.right, area.top, rect.right + kSplitter, area.bottom};
            area.left = splitter.right;
        }
        MoveWindow(site, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
        ShowWindow(site, SW_SHOWNA);
    }
    const bool tabs = !tabWindows_.empty();
    MoveWindow(docTabs_.Hwnd(), area.left, area.top, area.right - area.left, TabStrip::PreferredHeight(),
               TRUE);
    ShowWindow(docTabs_.Hwnd(), tabs ? SW_SHOWNA : SW_HIDE);
    documentArea_ = area;
    if (tabs) { documentArea_.top += TabStrip::PreferredHeight(); }
    if (active_ && active_->Form()) {
        MoveWindow(active_->Form()->Hwnd(), documentArea_.left, documentArea_.top,
                   documentArea_.right - documentArea_.left, documentArea_.bottom - documentArea_.top, TRUE);
    }
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

std::vector<std::uint8_t> DockHost::GetLayout() const
{
    DockLayout layout;
    for (const auto& pane : panes_) { layout.panes.push_back({pane->Key(), pane->Side(), pane->Visible()}); }
    layout.sideSize = sideSize_;
    layout.sideCurrent = sideCurrent_;
    layout.statusBarVisible = bars_.at(keys::kStatusBar)->Visible();
    layout.toolBarVisible = bars_.at(keys::kStandartBar)->Visible();
    for (const char* key : kMruTools) {
        for (const auto& tool : tools_) {
            if (tool->Key() == key) { layout.mruLists.push_back({key, tool->Entries().Entries()}); }
        }
    }
    layout.buildPage = toolBar_.ComboText();
    return EncodeDockLayout(layout);
}

void DockHost::SetLayout(const std::vector<std::uint8_t>& bytes)
{
    if (std::optional<DockLayout> layout = DecodeDockLayout(bytes)) { ApplyLayout(*layout); }
}

void DockHost::ApplyLayout(const DockLayout& layout)
{
    // The panes the layout names come first, in its order; the others keep theirs.
    std::vector<std::unique_ptr<Pane>> ordered;
    for (const PanePlacement& placement : layout.panes) {
        auto found = std::find_if(
            panes_.begin(), panes_.end(),
            [&placement](const std::unique_ptr<Pane>& pane) { return pane && pane->Key() == placement.key; });
        if (found == panes_.end()) { continue; }
        (*found)->Restore(placement.side, placement.visible);
        ordered.push_back(std::move(*found));
        panes_.erase(found);
    }
    for (auto& rest : panes_) { ordered.push_back(std::move(rest)); }
    panes_ = std::move(ordered);
    for (int side = 0; side < kDockSideCount; ++side) {
        if (layout.sideSize[side] > 0) { sideSize_[side] = layout.sideSize[side]; }
        sideCurrent_[side] = layout.sideCurrent[side];
    }
    for (const MruLayout& list : layout.mruLists) {
        if (std::find(std::begin(kMruTools), std::end(kMruTools), list.toolKey) == std::end(kMruTools)) {
            continue;
        }
        Tools(list.toolKey)->Entries().Replace(list.entries);
    }
    bars_[keys::kStatusBar]->SetVisible(layout.statusBarVisible);
    bars_[keys::kStandartBar]->SetVisible(layout.toolBarVisible);
    ShowBarStates();
    if (!layout.buildPage.empty()) { toolBar_.SelectComboText(layout.buildPage); }
    RefreshSides();
    Relayout();
}

// ---- splitters

int DockHost::SplitterAt(POINT point) const
{
    for (int side = 0; side < kDockSideCount; ++side) {
        if (PtInRect(&splitters_[side], point)) { return side; }
    }
    return -1;
}

void DockHost::DragSplitter(POINT point)
{
    const int side = dragSide_;
    int delta = 0;
    if (side == static_cast<int>(DockSide::Bottom)) {
        delta = dragStart_.y - point.y;
    } else if (side == static_cast<int>(DockSide::Right)) {
        delta = dragStart_.x - point.x;
    } else {
        delta = point.x - dragStart_.x;
    }
    sideSize_[side] = std::max(kMinSide, dragStartSize_ + delta);
    Relayout();
    // The side keeps the size it shows, so a drag past the limit stores no
    // size that a later drag would first have to undo.
    RECT site{};
    GetWindowRect(sites_[side].Hwnd(), &site);
    sideSize_[side] =
        side == static_cast<int>(DockSide::Bottom) ? site.bottom - site.top : site.right - site.left;
}

void DockHost::Paint(HDC dc)
{
    for (int side = 0; side < kDockSideCount; ++side) {
        RECT bar = splitters_[side];
        if (!IsRectEmpty(&bar)) { DrawEdge(dc, &bar, EDGE_RAISED, BF_RECT); }
    }
    if (!active_ || !active_->Form()) { FillRect(dc, &documentArea_, GetSysColorBrush(COLOR_APPWORKSPACE)); }
}

// ---- geometry for tests

RECT DockHost::ScreenRectOfTab(int index, bool closeBox) const
{
    return ToScreen(docTabs_.Hwnd(), closeBox ? docTabs_.CloseBoxRect(index) : docTabs_.TabRect(index));
}

RECT DockHost::ScreenRectOfTabScroll(bool towardsEnd) const
{
    return ToScreen(docTabs_.Hwnd(), docTabs_.ScrollArrowRect(towardsEnd));
}

RECT DockHost::ScreenRectOfButton(const std::string& key) const
{
    return ToScreen(toolBar_.Hwnd(), toolBar_.ButtonRect(CommandId(key)));
}

RECT DockHost::ScreenRectOfSplitter(DockSide side) const
{
    return ToScreen(Hwnd(), splitters_[static_cast<int>(side)]);
}

RECT DockHost::ScreenRectOfPaneClose(DockSide side) const
{
    const PaneSite& site = sites_[static_cast<int>(side)];
    return ToScreen(site.Hwnd(), site.CloseBoxRect());
}

RECT DockHost::ScreenRectOfPaneTab(DockSide side, int index) const
{
    const PaneSite& site = sites_[static_cast<int>(side)];
    return ToScreen(site.Hwnd(), site.TabRect(index));
}

// ---- messages

LRESULT DockHost::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
        case WM_SIZE:
            Relayout();
            return 0;
        case WM_PAINT:
            AnswerPaint(Hwnd(), [this](HDC dc) { Paint(dc); });
            return 0;
        case WM_COMMAND:
            if (lParam == 0 || reinterpret_cast<HWND>(lParam) == toolBar_.Hwnd()) {
                if (RunCommandId(LOWORD(wParam))) { return 0; }
            }
            break;
        case WM_SETCURSOR: {
            POINT cursor{};
            GetCursorPos(&cursor);
            ScreenToClient(Hwnd(), &cursor);
            const int side = dragSide_ >= 0 ? dragSide_ : SplitterAt(cursor);
            if (side < 0) { break; }
            const bool across = side == static_cast<int>(DockSide::Bottom);
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(across ? IDC_SIZENS : IDC_SIZEWE)));
            return TRUE;
        }
        case WM_LBUTTONDOWN:
            dragSide_ = SplitterAt(point);
            if (dragSide_ >= 0) {
                dragStart_ = point;
                dragStartSize_ = sideSize_[dragSide_];
                SetCapture(Hwnd());
            }
            return 0;
        case WM_MOUSEMOVE:
            if (dragSide_ >= 0) { DragSplitter(point); }
            return 0;
        case WM_LBUTTONUP:
            if (dragSide_ >= 0) { ReleaseCapture(); }
            return 0;
        case WM_CAPTURECHANGED:
            dragSide_ = -1;
            return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

void DockHost::SubclassBefore(bool& handled, LRESULT& ret, HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Menu items and accelerators come to the frame with no control window.
    if (msg == WM_COMMAND && lParam == 0 && HIWORD(wParam) <= 1 && RunCommandId(LOWORD(wParam))) {
        handled = true;
        ret = 0;
    }
}

void DockHost::SubclassAfter(LRESULT&, HWND, UINT msg, WPARAM, LPARAM)
{
    if (msg == WM_SIZE) { FitToFrame(); }
}

void DockHost::FitToFrame()
{
    RECT client{};
    GetClientRect(frame_, &client);
    MoveWindow(Hwnd(), 0, 0, client.right, client.bottom, TRUE);
}

}  // namespace kforge
