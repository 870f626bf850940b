#include "ProjectExplorer.h"

#include <algorithm>
#include <functional>

#include "AppPath.h"
#include "Gdi.h"
#include "MessagePump.h"
#include "Texts.h"

namespace kforge {

namespace {

constexpr int kTreeId = 1;
constexpr int kPathBoxId = 2;
constexpr int kIndent = 16;
constexpr COLORREF kImageMask = RGB(255, 0, 255);
constexpr int kStripWidth = 160, kImageHeight = 16;
constexpr int kPopupDelayMs = 200;
constexpr int kRightButton = 2;

// Item images of the TREE strip.
constexpr int kRootImage = 0, kGroupImage = 1, kLibraryImage = 2, kBlankImage = 4, kFileImage = 5;

// The layout, in twips.
constexpr int kBelowTreeTwips = 1400;
constexpr int kStripHeightTwips = 1280;
constexpr int kEdgeTwips = 15;
constexpr int kTreeInsetTwips = 30;
constexpr int kBoxHeightLessTwips = 280;
constexpr int kBoxWidthLessTwips = 150;
constexpr int kBoxLeftTwips = 75, kBoxTopTwips = 240;
constexpr int kCaptionLeftTwips = 75, kCaptionTopTwips = 30, kCaptionHeightTwips = 195;

const char* const kCaption = "FileName";
const char* const kProjectRemoveTool = "ProjectRemove";
const char* const kPopupTool = "ProjectTree";
const char* const kFileMruTool = "FileMruList";

// A file of that name exists (folders do not count).
bool IsExistingFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A file that a plain listing shows: not a folder, hidden or system file.
bool IsNormalFile(const WIN32_FIND_DATAA& found)
{
    return !(found.dwFileAttributes &
             (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

RECT ClientRect(HWND hwnd)
{
    RECT rc{};
    GetClientRect(hwnd, &rc);
    return rc;
}

// A client size in twips.
SIZE TwipsSize(HWND hwnd)
{
    const RECT rc = ClientRect(hwnd);
    return SIZE{rc.right * TwipsPerPixelX(), rc.bottom * TwipsPerPixelY()};
}

// Places a window at a rectangle given in twips; no size goes below zero.
void PlaceTwips(HWND hwnd, int left, int top, int width, int height)
{
    MoveWindow(hwnd, TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(std::max(0, width)),
               TwipsToPixelsY(std::max(0, height)), TRUE);
}

HWND MakeChild(HWND parent, const char* className, const char* text, DWORD style, int id = 0)
{
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
}

}  // namespace

ProjectExplorer::ProjectExplorer(IProjectExplorerHost& host) : host_(host) {}

ProjectExplorer::~ProjectExplorer()
{
    // The tree goes with the pane's window, before its object does.
    if (Hwnd()) { DestroyWindow(Hwnd()); }
}

bool ProjectExplorer::Create(HWND parent, const RECT& rect)
{
    WindowSpec spec;
    spec.className = "KProjectExplorer";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    spec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    spec.rect = rect;
    spec.parent = parent;
    return Window::Create(spec) && tree_ && tree_->Hwnd() && pathBox_;
}

void ProjectExplorer::CreateControls()
{
    tree_ = std::make_unique<Tree>(Hwnd(), kTreeId, RECT{0, 0, 0, 0});
    tree_->SetIndent(kIndent);
    tree_->SetHImageList(tree_->LoadList("tree", kImageMask, -1, kStripWidth, kImageHeight));
    tree_->onItemClick = [this](int button, const std::string&, const std::string&, int index) {
        OnItemClick(button, index);
    };
    tree_->onItemDblClick = [this](const std::string& text, const std::string& key, int) {
        OnItemDblClick(text, key);
    };

    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    pathBox_ = MakeChild(Hwnd(), "EDIT", "", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, kPathBoxId);
    SendMessageA(pathBox_, WM_SETFONT, font, FALSE);
}

// Solution file

void ProjectExplorer::SaveSolution(const std::string& path)
{
    const ShellValues& values = host_.Values();
    kforge::SaveSolution(
        ini_, path, SolutionValues{values.solutionName, values.solutionStartup, values.solutionBuildBatch},
        Items());
}

bool ProjectExplorer::CheckFile(const std::string& path) const { return kforge::CheckFile(Items(), path); }

std::string ProjectExplorer::FileItemKey(const std::string& path) const
{
    return FindFileItemKey(Items(), path);
}

std::vector<ProjectItem> ProjectExplorer::Items() const
{
    std::vector<ProjectItem> items;
    for (int i = 0; i < tree_->ItemCount(); ++i) {
        const TreeNode node = tree_->GetItemNode(i);
        items.push_back(ProjectItem{node.key, node.tag});
    }
    return items;
}

void ProjectExplorer::LoadSolution(const std::string& path)
{
    const SolutionContents contents = ReadSolution(ini_, path, IsExistingFile);
    ShellValues& values = host_.Values();
    if (contents.filesCount) { values.documentCounter = *contents.filesCount; }
    values.solutionName = contents.values.name;
    values.solutionStartup = contents.values.startup;
    values.solutionBuildBatch = contents.values.buildBatch;
    tree_->RenameItem(0, values.solutionName);
    for (const std::string& file : contents.files) { OpenListedFile(file); }
}

// A file already open keeps its window (it is activated); any other opens
// in a new document. The window takes the key of the item made for it.
void ProjectExplorer::OpenListedFile(const std::string& path)
{
    const int open = FindDocumentByFile(host_.DocumentWindows(), path);
    if (open >= 0) {
        host_.ActivateDocument(open);
    } else {
        host_.NewDocument(path);
        if (BelongsInFileMru(path)) { host_.AddMruItem(kFileMruTool, path); }
        host_.UpdateUI(false);
    }
    const bool listed = CheckFile(path);
    const std::string key = KeyForFile(path);
    host_.SetActiveDocumentKey(key);
    if (!listed) { AddFileItem(key, path); }
}

// The key of the item listing the file, else a new document key.
std::string ProjectExplorer::KeyForFile(const std::string& path)
{
    const std::string listed = FileItemKey(path);
    return listed.empty() ? NewDocumentKey(host_.Values().documentCounter) : listed;
}

// Tree items

void ProjectExplorer::InitializeProject()
{
    tree_->DeleteAllItems();
    tree_->AddItem(static_cast<HTREEITEM>(nullptr), 0, "root", RootItemText(host_.Values().solutionName),
                   kRootImage);
    tree_->AddItem("root", 0, "source", "Sources", kGroupImage);
    tree_->AddItem("root", 0, "libs", "Libraries", kGroupImage);
    ListLibraries();
}

// The tree view draws once when the listing ends, not once per library.
void ProjectExplorer::ListLibraries()
{
    HWND view = tree_->TreeWindow();
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    AddLibraryItems();
    SendMessageA(view, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view, nullptr, TRUE);
}

void ProjectExplorer::AddLibraryItems()
{
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(LibraryPattern(AppPath()).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) { return; }
    int listed = 0;
    do {
        if (!IsNormalFile(found)) { continue; }
        const std::string title = ItemTitle(found.cFileName);
        tree_->AddItem("libs", 0, LibraryKey(title), title, kLibraryImage);
        ++listed;
    } while (listed < kMaxLibraries && FindNextFileA(search, &found));
    FindClose(search);
}

void ProjectExplorer::AddFileItem(const std::string& key, const std::string& path)
{
    const int position = tree_->ItemCount();
    tree_->AddItem("source", Tree::kLastChild, key, ItemTitle(path), kFileImage);
    if (tree_->ItemCount() > position) { tree_->SetItemTag(position, path); }
}

void ProjectExplorer::AddBlankItem(const std::string& key)
{
    tree_->AddItem("source", Tree::kLastChild, key, "blank", kBlankImage);
}

void ProjectExplorer::RemoveCurrentFileItem()
{
    if (!IsFileItemKey(tree_->ItemKey())) { return; }
    ShellValues& values = host_.Values();
    if (values.solutionStartup == tree_->ItemTag()) { values.solutionStartup.clear(); }
    tree_->DeleteItem(tree_->ItemIndex());
}

// Tree events

void ProjectExplorer::OnItemClick(int button, int index)
{
    SetWindowTextA(pathBox_, tree_->GetItemTag(index).c_str());
    if (button != kRightButton) { return; }
    host_.SetToolEnabled(kProjectRemoveTool, IsFileItemKey(Trim(tree_->ItemKey())));
    Sleep(kPopupDelayMs);
    host_.ShowPopup(kPopupTool);
}

// A library opens its source beside the .kmd; a file item its tag. A
// document that shows it already is activated instead.
void ProjectExplorer::OnItemDblClick(const std::string& text, const std::string& key)
{
    const std::vector<ExplorerDocument> documents = host_.DocumentWindows();
    if (IsLibraryKey(key)) {
        const std::string path = LibrarySourcePath(AppPath(), text);
        const int open = FindDocumentByFile(documents, path);
        if (open >= 0) {
            host_.ActivateDocument(open);
        } else {
            OpenInNewDocument(path, KeyForFile(path));
        }
        return;
    }
    const std::string tag = tree_->ItemTag();
    const int open = FindDocumentByKey(documents, key);
    if (open >= 0) {
        host_.ActivateDocument(open);
    } else if (!Trim(tag).empty()) {
        OpenInNewDocument(tag, key);
    }
}

void ProjectExplorer::OpenInNewDocument(const std::string& path, const std::string& key)
{
    host_.NewDocument(path);
    host_.SetActiveDocumentKey(key);
}

// Layout

// Each step sizes from the pane's size at that moment; pending messages run
// between the steps.
void ProjectExplorer::Layout()
{
    if (!tree_ || !pathBox_) { return; }
    const std::function<void()> steps[] = {[this] { LayoutTree(); }, [this] { LayoutStrip(); }};
    const auto alive = AliveToken();
    for (const auto& step : steps) {
        step();
        PumpPendingMessages();
        if (!*alive) { return; }
    }
}

void ProjectExplorer::LayoutTree()
{
    const SIZE inner = TwipsSize(Hwnd());
    const int frameWidth = std::max(0, static_cast<int>(inner.cx) - kEdgeTwips);
    const int frameHeight = std::max(0, static_cast<int>(inner.cy) - kBelowTreeTwips);
    InvalidateRect(Hwnd(), &treeFrame_, TRUE);
    treeFrame_ = RECT{0, 0, TwipsToPixelsX(frameWidth), TwipsToPixelsY(frameHeight)};
    InvalidateRect(Hwnd(), &treeFrame_, TRUE);
    const int inset = kTreeInsetTwips / 2;
    PlaceTwips(tree_->Hwnd(), inset, inset, frameWidth - kTreeInsetTwips, frameHeight - kTreeInsetTwips);
}

// The strip is the pane's bottom band; its frame and texts are placed
// from the band's top.
void ProjectExplorer::LayoutStrip()
{
    const SIZE inner = TwipsSize(Hwnd());
    const int top = inner.cy - kStripHeightTwips;
    const int frameWidth = inner.cx - kEdgeTwips, frameHeight = kStripHeightTwips - kEdgeTwips;
    InvalidateRect(Hwnd(), &stripFrame_, TRUE);
    stripFrame_ = RECT{0, TwipsToPixelsY(top), TwipsToPixelsX(std::max(0, frameWidth)),
                       TwipsToPixelsY(top + frameHeight)};
    InvalidateRect(Hwnd(), &stripFrame_, TRUE);
    InvalidateRect(Hwnd(), &caption_, TRUE);
    caption_ = RECT{TwipsToPixelsX(kCaptionLeftTwips), TwipsToPixelsY(top + kCaptionTopTwips),
                    TwipsToPixelsX(frameWidth - kBoxWidthLessTwips + kCaptionLeftTwips),
                    TwipsToPixelsY(top + kCaptionTopTwips + kCaptionHeightTwips)};
    InvalidateRect(Hwnd(), &caption_, TRUE);
    PlaceTwips(pathBox_, kBoxLeftTwips, top + kBoxTopTwips, frameWidth - kBoxWidthLessTwips,
               frameHeight - kBoxHeightLessTwips);
}

void ProjectExplorer::PaintFrame()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    FrameRect(dc, &treeFrame_, GetSysColorBrush(COLOR_BTNSHADOW));
    RECT strip = stripFrame_;
    DrawEdge(dc, &strip, EDGE_ETCHED, BF_RECT);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, kCaption, -1, &caption_, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    EndPaint(Hwnd(), &paint);
}

LRESULT ProjectExplorer::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_CREATE:
            CreateControls();
            return 0;
        case WM_SIZE:
            Layout();
            return 0;
        case WM_PAINT:
            PaintFrame();
            return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

}  // namespace kforge
