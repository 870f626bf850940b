#pragma once
// The docking host (window class "KDockHost"): it fills a frame window
// under the frame's menu bar and holds the tool bar, the status strip, the
// panes at the left, right and bottom sides (with splitters between side
// and centre, panes of one side as tabs) and the documents in a strip of
// tabs in the centre. It reports commands and document events to the
// frame's IDockEvents.
//
// A document that closes leaves in this order: its tab goes and the rest
// are numbered again, Destroyed is raised, and then, when it was the active
// one, the next document (else the previous) becomes active and Activated
// is raised.

#include <windows.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CommandBar.h"
#include "CommandMenus.h"
#include "DocWindows.h"
#include "DockLayout.h"
#include "IDockEvents.h"
#include "ISubclass.h"
#include "Pane.h"
#include "PaneSite.h"
#include "StatusStrip.h"
#include "Subclasser.h"
#include "TabStrip.h"
#include "Tool.h"
#include "ToolBar.h"
#include "Window.h"

namespace kforge {

class DockHost : public Window, private ISubclass {
public:
    DockHost();
    ~DockHost() override;

    // Creates the host in frame (hidden until SetLayoutReady) and gives the
    // frame the menu bar; events may be null.
    bool Create(HWND frame, IDockEvents* events);
    void SetEvents(IDockEvents* events) { events_ = events; }
    // True lays the host out and shows it; false hides it.
    void SetLayoutReady(bool ready);

    // The sides, sizes, pane order and visibility, the bars, the MRU lists
    // and the configuration. A layout that does not decode is ignored.
    std::vector<std::uint8_t> GetLayout() const;
    void SetLayout(const std::vector<std::uint8_t>& bytes);

    // Null for an unknown key.
    CommandBar* CommandBars(const std::string& key);
    Tool* Tools(const std::string& key);
    Pane* Panes(const std::string& key);
    DocWindows& Windows() { return windows_; }
    // The document of the current tab; null when there is none.
    std::shared_ptr<DocWindow> ActiveWindow() const;

    void SetStatusText(int field, const std::string& text) { status_.SetText(field, text); }
    std::string StatusText(int field) const { return status_.Text(field); }

    // The host's keys, for the message loop: Ctrl+F4 closes the active
    // document; Ctrl+N, Ctrl+O, Ctrl+S, F5 and Ctrl+F5 run their commands.
    // True when msg was one of them (then it is not dispatched).
    bool TranslateKey(const MSG& msg);

    // The WM_COMMAND id of the tool's menu items and button (0 for an
    // unknown key), and of entry `index` (0-based) of an MRU tool's list.
    UINT CommandId(const std::string& key) const;
    UINT EntryCommandId(const std::string& key, std::size_t index) const;

    // Where things are, in screen pixels (for tests and for placing popups).
    RECT ScreenRectOfTab(int index, bool closeBox) const;
    // The document tabs' scroll arrow; empty while all tabs fit.
    RECT ScreenRectOfTabScroll(bool towardsEnd) const;
    RECT ScreenRectOfButton(const std::string& key) const;
    RECT ScreenRectOfSplitter(DockSide side) const;
    RECT ScreenRectOfPaneClose(DockSide side) const;
    RECT ScreenRectOfPaneTab(DockSide side, int index) const;
    HWND ToolBarWindow() const { return toolBar_.Hwnd(); }
    HWND StatusWindow() const { return status_.Hwnd(); }
    HWND SideWindow(DockSide side) const { return sites_[static_cast<int>(side)].Hwnd(); }
    int SideSize(DockSide side) const { return sideSize_[static_cast<int>(side)]; }
    // The key of the pane a side shows; empty when none.
    std::string SideCurrent(DockSide side) const { return sideCurrent_[static_cast<int>(side)]; }

private:
    friend class DocWindow;
    friend class DocWindows;

    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void SubclassBefore(bool& handled, LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam,
                        LPARAM lParam) override;
    void SubclassAfter(LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    void FitToFrame();
    void CreateTools();
    void CreatePanes();
    // The bar tools' states from the bars: checked while a bar shows.
    void ShowBarStates();
    bool CreateChildren();
    bool RunCommandId(UINT id);
    void RaiseCommand(Tool& tool, int entry);
    void ApplyTool(Tool& tool);
    void ShowPopup(const std::string& key);

    // Documents (through DocWindow and DocWindows).
    void AdoptDocument(DocWindow& window);
    void ActivateDocument(DocWindow& window);
    void RequestClose(DocWindow& window, int mode);
    void RemoveDocument(DocWindow& window, int mode);
    void RefreshTabs();
    DocWindow* Successor(int removedIndex) const;

    // Panes and the layout.
    void OnPaneShown(Pane& pane);
    void RefreshSides();
    void Relayout();
    void ApplyLayout(const DockLayout& layout);
    bool SideInUse(int side) const;

    // Splitters.
    int SplitterAt(POINT point) const;
    void DragSplitter(POINT point);
    // The splitters as raised bars; the centre's grey where no document shows.
    void Paint(HDC dc);

    HWND frame_ = nullptr;
    IDockEvents* events_ = nullptr;
    bool ready_ = false;
    Subclasser frameSubclass_;
    CommandMenus menus_;
    HMENU bar_ = nullptr;
    std::vector<std::unique_ptr<Tool>> tools_;  // command ids follow this order
    std::map<std::string, std::unique_ptr<CommandBar>> bars_;
    std::vector<std::unique_ptr<Pane>> panes_;  // tab order within each side
    ToolBar toolBar_;
    StatusStrip status_;
    TabStrip docTabs_;
    std::array<PaneSite, kDockSideCount> sites_;
    std::array<int, kDockSideCount> sideSize_;
    std::array<std::string, kDockSideCount> sideCurrent_;
    std::array<RECT, kDockSideCount> splitters_{};
    RECT documentArea_{};
    DocWindows windows_;
    DocWindow* active_ = nullptr;
    std::vector<DocWindow*> tabWindows_;  // the documents of the tabs, in tab order
    int dragSide_ = -1;
    POINT dragStart_{};
    int dragStartSize_ = 0;
};

}  // namespace kforge
