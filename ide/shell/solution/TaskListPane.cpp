#include "TaskListPane.h"

#include <algorithm>

#include "AppPath.h"
#include "Gdi.h"
#include "SolutionFile.h"
#include "WindowText.h"

namespace kforge {

namespace {

constexpr char kNewTask[] = "New Task";
constexpr char kTitle[] = "TASKS";
constexpr char kListFace[] = "Tahoma";
constexpr char kItemPicture[] = "TASK";
constexpr int kItemHeight = 16;

// Layout in twips: the list and the strip end 15 twips short of the right
// edge, the list leaves 350 twips above it for the strip, and the title
// ends 60 twips from the right edge.
constexpr int kRightGapTwips = 15;
constexpr int kListTopTwips = 350;
constexpr int kStripHeightTwips = 330;
constexpr int kTitleGapTwips = 60;

// Buttons: free size (style 3), 19 pixels high, their caption 25 pixels
// from the left (icon and text offset) and a margin after it.
constexpr int kButtonStyle = 3;
constexpr int kButtonHeight = 19;
constexpr int kButtonTop = 2;
constexpr int kButtonGap = 2;
constexpr int kCaptionLeft = 25;
constexpr int kCaptionMargin = 5;
// The title's text sits on the buttons' caption line.
constexpr int kTitleTop = 5;
constexpr int kTitleHeight = 16;

struct TaskButton {
    const char* caption;
    const char* icon;
};

constexpr TaskButton kButtons[] = {
    {"Add Task", "ICON_ADD"}, {"Edit Task", "ICON_EDIT"}, {"Remove Task", "ICON_REMOVE"},
    {"Move Up", "ICON_UP"},   {"Move Down", "ICON_DOWN"},
};
enum ButtonIndex { kAdd, kEdit, kRemove, kUp, kDown };

int TextWidth(HWND window, HFONT font, const std::string& text)
{
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return size.cx;
}

HWND MakeStatic(HWND parent, const char* text, DWORD style)
{
    return CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void SetButtonIconResource(ButtonXP& button, const char* name)
{
    HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, ButtonXPPainter::kHolderSide,
                             ButtonXPPainter::kHolderSide, LR_DEFAULTCOLOR);
    if (!icon) { return; }
    button.SetButtonIcon(static_cast<HICON>(icon));
    DestroyIcon(static_cast<HICON>(icon));
}

int PixelsX(int twips) { return std::max(0, TwipsToPixelsX(twips)); }
int PixelsY(int twips) { return std::max(0, TwipsToPixelsY(twips)); }

}  // namespace

TaskListPane::TaskListPane(const ShellValues& values) : values_(values) {}

// The window goes first, while the whole object still takes its last
// messages (the save at its end).
TaskListPane::~TaskListPane()
{
    if (HWND hwnd = Hwnd()) { DestroyWindow(hwnd); }
    if (titleFont_) { DeleteObject(titleFont_); }
}

bool TaskListPane::Create(HWND parent, const RECT& rect)
{
    WindowSpec spec;
    spec.className = "KTaskListPane";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    spec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    spec.rect = rect;
    spec.parent = parent;
    if (!Window::Create(spec)) { return false; }
    CreateControls();
    RECT client{};
    GetClientRect(Hwnd(), &client);
    Layout(client.right, client.bottom);
    list_->SetItemHeight(kItemHeight);
    list_->SetFont(kListFace);
    list_->SetListImage(kItemPicture);
    list_->Clear();
    LoadTasks();
    return true;
}

void TaskListPane::CreateControls()
{
    strip_ = MakeStatic(Hwnd(), "", WS_CLIPCHILDREN);
    titleFont_ = MakeFont("Tahoma", 8.25, true, false);
    title_ = MakeStatic(strip_, kTitle, SS_RIGHT);
    SendMessageA(title_, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
    titleWidth_ = TextWidth(title_, titleFont_, kTitle);
    CreateButtons();
    list_ = std::make_unique<ListCtl>(Hwnd(), 0, RECT{0, 0, 0, 0});
    ConnectList();
}

// Left to right in the strip, each as wide as its icon and caption.
void TaskListPane::CreateButtons()
{
    HFONT captionFont = MakeFont("Tahoma", 8.25, false, false);
    int left = kButtonGap;
    for (const TaskButton& kind : kButtons) {
        const int width = kCaptionLeft + TextWidth(strip_, captionFont, kind.caption) + kCaptionMargin;
        auto button = std::make_unique<ButtonXP>(
            strip_, 0, RECT{left, kButtonTop, left + width, kButtonTop + kButtonHeight}, kButtonStyle);
        button->SetCaption(kind.caption);
        SetButtonIconResource(*button, kind.icon);
        left += width + kButtonGap;
        buttons_.push_back(std::move(button));
    }
    if (captionFont) { DeleteObject(captionFont); }
    buttons_[kAdd]->onClick = [this] { AddTask(); };
    buttons_[kEdit]->onClick = [this] { EditTask(); };
    buttons_[kRemove]->onClick = [this] { RemoveTask(); };
    buttons_[kUp]->onClick = [this] { list_->ItemUp(); };
    buttons_[kDown]->onClick = [this] { list_->ItemDown(); };
}

void TaskListPane::ConnectList()
{
    list_->onBeforeEdit = [this](std::string&, bool&) { editIndex_ = list_->ListIndex(); };
    list_->onAfterEdit = [this](std::string& szText, bool&) { OnAfterEdit(szText); };
    list_->onMoveItem = [this] { SaveTasks(); };
}

// Sizes in twips from the client size in pixels.
void TaskListPane::Layout(int width, int height)
{
    if (!strip_) { return; }
    const int innerWidth = width * TwipsPerPixelX();
    const int innerHeight = height * TwipsPerPixelY();
    const int rowWidth = PixelsX(innerWidth - kRightGapTwips);
    MoveWindow(strip_, 0, 0, rowWidth, PixelsY(kStripHeightTwips), TRUE);
    const int titleLeft = TwipsToPixelsX(innerWidth - titleWidth_ * TwipsPerPixelX() - kTitleGapTwips);
    MoveWindow(title_, titleLeft, kTitleTop, titleWidth_, kTitleHeight, TRUE);
    if (list_ && list_->Hwnd()) {
        MoveWindow(list_->Hwnd(), 0, PixelsY(kListTopTwips), rowWidth, PixelsY(innerHeight - kListTopTwips),
                   TRUE);
    }
}

// Tasks

std::string TaskListPane::ChosenFile() const { return TaskFile(values_.solutionPath, AppPath()); }

std::vector<std::string> TaskListPane::Items() const
{
    std::vector<std::string> items;
    const int count = list_->ListCount();
    for (int i = 0; i < count; ++i) { items.push_back(list_->List(i)); }
    return items;
}

std::vector<std::string> TaskListPane::ItemsWithEdit(const std::string& text) const
{
    std::vector<std::string> items = Items();
    if (editIndex_ >= 0 && editIndex_ < static_cast<int>(items.size())) { items[editIndex_] = text; }
    return items;
}

void TaskListPane::Write(const std::string& file, const std::vector<std::string>& tasks)
{
    listFile_ = file;
    kforge::SaveTasks(ini_, file, tasks);
}

// Emptying the list commits an open edit, which saves to the file the list
// came from; the file is chosen after that.
void TaskListPane::LoadTasks()
{
    reloading_ = true;
    list_->Clear();
    reloading_ = false;
    listFile_ = ChosenFile();
    for (const std::string& task : kforge::LoadTasks(ini_, listFile_)) { list_->AddItem(task); }
}

void TaskListPane::SaveTasks() { Write(ChosenFile(), Items()); }

// A commit by Enter shows the text in the list already, one by focus loss
// not yet: the event's text is saved either way.
void TaskListPane::OnAfterEdit(const std::string& szText)
{
    Write(reloading_ ? listFile_ : ChosenFile(), ItemsWithEdit(szText));
}

void TaskListPane::AddTask()
{
    list_->AddItem(kNewTask);
    list_->SetListIndex(list_->ListCount() - 1);
    list_->DoEdit();
    SaveTasks();
}

void TaskListPane::EditTask()
{
    list_->DoEdit();
    SaveTasks();
}

void TaskListPane::RemoveTask()
{
    list_->RemoveItem(list_->ListIndex());
    SaveTasks();
}

// Unload

bool TaskListPane::EditOpen() const
{
    HWND frame = list_->EditFrameWindow();
    return frame && (GetWindowLongPtrA(frame, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The last save keeps an edit still open; the list's events end here, so
// the edit box's focus loss while it is destroyed saves nothing more.
void TaskListPane::OnUnload()
{
    if (EditOpen()) {
        Write(ChosenFile(), ItemsWithEdit(WindowText(list_->EditWindow())));
    } else {
        SaveTasks();
    }
    list_->onBeforeEdit = nullptr;
    list_->onAfterEdit = nullptr;
    list_->onMoveItem = nullptr;
}

LRESULT TaskListPane::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_SIZE:
            Layout(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_SETFOCUS:
            if (list_ && list_->Hwnd()) { SetFocus(list_->Hwnd()); }
            return 0;
        case WM_DESTROY:
            if (list_) { OnUnload(); }
            break;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

}  // namespace kforge
