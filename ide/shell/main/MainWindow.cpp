#include "MainWindow.h"

#include <climits>
#include <utility>

#include "AppPath.h"
#include "BuildActions.h"
#include "CodeEdit.h"
#include "Dialogs.h"
#include "DockKeys.h"
#include "EditorDoc.h"
#include "Gdi.h"
#include "LayoutStore.h"
#include "MessagePump.h"
#include "Paths.h"
#include "Registry.h"
#include "SavePrompt.h"
#include "SettingsRules.h"
#include "SolutionFile.h"
#include "StartPage.h"
#include "StartupRules.h"
#include "Texts.h"
#include "WindowIcons.h"

namespace kforge {

namespace {

constexpr const char* kCaption = "  Kiln Forge 2004";
constexpr const char* kInstanceMutex = "MERIDAX.KilnForge.Instance";
constexpr UINT kPollMilliseconds = 250;
constexpr int kDesignWidth = 800;
constexpr int kDesignHeight = 600;
constexpr const char* kModuleLabel = "Module :   ";
constexpr UINT kSaveFlags = OFN_EXPLORER | OFN_OVERWRITEPROMPT;

// Dialog filters: pairs of text and pattern, each ended by a NUL.
std::string Filter(std::initializer_list<const char*> parts)
{
    std::string filter;
    for (const char* part : parts) { (filter += part) += '\0'; }
    return filter;
}
const std::string kDefaultOpenFilter = Filter(
    {"Kiln Files (*.kln, *.cpp, *.c, *.h)", "*.kln; *.ksl; *.cpp; *.c; *.h", "All Files (*.*)", "*.*"});
const std::string kSaveFilter = Filter({"Kiln Files (*.kln)", "*.kln", "All Files (*.*)", "*.*"});
const std::string kSaveAsFilter = Filter({"Kiln Files (*.kln)", "*.kln;", "All Files (*.*)", "*.*"});
const std::string kClosingFilter = Filter({"Kiln Files (*.kln)", "*.kln;*.ksp", "All Files (*.*)", "*.*"});
const std::string kSolutionFilter = Filter({"Kiln Solutions (*.ksl)", "*.ksl", "All Files (*.*)", "*.*"});

std::string LayoutFile() { return AppPath() + "\\klay.lay"; }

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The path as the starting process sees it: the running instance's current
// folder may be another one.
std::string FullPath(const std::string& path)
{
    if (path.empty()) { return path; }
    char buffer[MAX_PATH * 4] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
}

void Pump(int times)
{
    for (int i = 0; i < times; ++i) { PumpPendingMessages(); }
}

std::string Twips(LONG pixels, int twipsPerPixel) { return std::to_string(pixels * twipsPerPixel); }

}  // namespace

MainWindow::MainWindow() : explorerHost_(*this), dispatcher_(*this) {}

MainWindow::~MainWindow()
{
    SetShortcutTranslator(nullptr);
    if (instanceMutex_) { CloseHandle(instanceMutex_); }
}

bool MainWindow::Start(const std::string& commandLine)
{
    const std::string file = FullPath(CommandLinePath(commandLine));
    instanceMutex_ = CreateMutexA(nullptr, FALSE, kInstanceMutex);
    if (instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
        SetRegValue(HKEY_LOCAL_MACHINE, kSettingsKey, "OpenFile", file);
        PumpPendingMessages();
        return false;
    }
    if (!file.empty()) { SetRegValue(HKEY_LOCAL_MACHINE, kSettingsKey, "OpenFile", file); }
    if (!CreateFrame()) { return false; }
    // Every loop and pump takes the docking host's shortcut keys.
    SetShortcutTranslator([this](const MSG& msg) { return dock_.TranslateKey(msg); });
    SetFormIcon(Hwnd(), "ICON_00", true);
    values_ = ShellValues();
    values_.syntaxFilePath = ResolveSyntaxFilePath(
        GetRegValue(HKEY_LOCAL_MACHINE, kSettingsKey, "SyntaxFile"), AppPath(), FileExists);
    RestoreLayout();
    RestorePlacement();
    ShowStartPage();
    explorer_ = std::make_unique<ProjectExplorer>(explorerHost_);
    if (explorer_->Create(dock_.Hwnd(), RECT{0, 0, 100, 100})) { InitializeProject(); }
    CreatePanes();
    if (!LetMessagesRun()) { return false; }
    ShowWindow(Hwnd(), showCommand_);
    if (!LetMessagesRun(3)) { return false; }
    UpdateWindow(Hwnd());
    if (!LetMessagesRun(3)) { return false; }
    // The default solution opens as the Open command would open it.
    OpenFile(dock_.Tools(keys::kFileOpen), std::string(), DefaultSolutionPath(AppPath()));
    UpdateUI(false);
    values_.solutionPath.clear();  // the default solution counts as none
    SetTimer(Hwnd(), kPollTimerId, kPollMilliseconds, nullptr);
    UpdateUI(false);
    started_ = LetMessagesRun(2);
    return started_;
}

bool MainWindow::CreateFrame()
{
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kDesignWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kDesignHeight) / 2;
    WindowSpec spec;
    spec.className = "KForgeMain";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    spec.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    spec.title = kCaption;
    spec.rect = {left, top, left + kDesignWidth, top + kDesignHeight};
    return Create(spec) && dock_.Create(Hwnd(), this);
}

void MainWindow::RestoreLayout()
{
    LayoutStore store;
    store.Load(LayoutFile());
    if (!store.layout.empty()) { dock_.SetLayout(store.layout); }
    dock_.SetLayoutReady(true);
    PumpPendingMessages();
}

void MainWindow::RestorePlacement()
{
    const StoredPlacement stored = ReadPlacement(
        [](const std::string& name) { return GetRegValue(HKEY_LOCAL_MACHINE, kFormsKey, name); });
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(Hwnd(), &placement)) { return; }
    RECT& normal = placement.rcNormalPosition;
    if (stored.top) { OffsetRect(&normal, 0, TwipsToPixelsY(*stored.top) - normal.top); }
    if (stored.left) { OffsetRect(&normal, TwipsToPixelsX(*stored.left) - normal.left, 0); }
    if (stored.width) { normal.right = normal.left + TwipsToPixelsX(*stored.width); }
    if (stored.height) { normal.bottom = normal.top + TwipsToPixelsY(*stored.height); }
    static const int kShowCommands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    if (stored.state && *stored.state >= 0 && *stored.state <= 2) {
        showCommand_ = kShowCommands[*stored.state];
    }
    placement.showCmd = SW_HIDE;  // shown by the start-up's later step
    SetWindowPlacement(Hwnd(), &placement);
}

void MainWindow::CreatePanes()
{
    const RECT rect{0, 0, 100, 100};
    if (output_.Create(dock_.Hwnd(), rect)) { AttachPane(keys::kOutputPane, output_); }
    if (explorer_->Hwnd()) { AttachPane(keys::kProjectPane, *explorer_); }
    help_ = std::make_unique<HelpPane>(dock_.Hwnd(), rect);
    if (help_->Hwnd()) { AttachPane(keys::kHelpPane, *help_); }
    tasks_ = std::make_unique<TaskListPane>(values_);
    if (tasks_->Create(dock_.Hwnd(), rect)) { AttachPane(keys::kTaskPane, *tasks_); }
}

// ---- documents and panes

int MainWindow::NewDocument(const std::string& path)
{
    auto document = std::make_unique<EditorDoc>(this);
    if (!document->Create(dock_.Hwnd(), RECT{0, 0, 100, 100})) { return 0; }
    EditorDoc& editor = *document;
    std::shared_ptr<DocWindow> window = dock_.Windows().Add("", " Blank * ", nullptr, &editor, true, 0);
    forms_[window->Id()] = std::move(document);
    window->SetWindowFlag(false);
    window->SetVisible(true);
    if (window->Form() != &editor) { return 0; }  // closed while it activated
    editor.LoadFile(path);
    if (!Trim(editor.ModuleName()).empty()) { window->SetCaption(" " + editor.ModuleName() + " "); }
    editor.SetTag(std::to_string(window->Id()));
    return 0;
}

void MainWindow::ShowStartPage()
{
    auto page = std::make_unique<StartPage>();
    if (!page->Create(dock_.Hwnd())) { return; }
    std::shared_ptr<DocWindow> window = dock_.Windows().Add("", keys::kStartPageCaption, nullptr, page.get(), true, 0);
    forms_[window->Id()] = std::move(page);
    window->SetWindowFlag(false);
    window->SetVisible(true);
    window->SetKey(keys::kStartPageKey);
}

int MainWindow::GetActiveDocumentId() const
{
    std::shared_ptr<DocWindow> active = dock_.ActiveWindow();
    return active ? active->Index() : -1;
}

void MainWindow::AttachPane(const std::string& key, Window& window)
{
    if (Pane* pane = dock_.Panes(key)) { pane->SetHosted(window); }
}

void MainWindow::AddMruItem(const std::string& toolKey, const std::string& text)
{
    if (Tool* tool = dock_.Tools(toolKey)) { tool->Entries().Add(text, text, 1); }
}

std::shared_ptr<DocWindow> MainWindow::WindowById(int id)
{
    for (const std::shared_ptr<DocWindow>& window : dock_.Windows().Snapshot()) {
        if (window->Id() == id) { return window; }
    }
    return nullptr;
}

CodeEdit* MainWindow::ActiveEditor() const
{
    std::shared_ptr<DocWindow> active = dock_.ActiveWindow();
    return active && active->Form() ? active->Form()->Editor() : nullptr;
}

std::string MainWindow::DocumentKeyFor(const std::string& path)
{
    const std::string listed = explorer_ ? explorer_->FileItemKey(path) : std::string();
    return listed.empty() ? NewDocumentKey(values_.documentCounter) : listed;
}

void MainWindow::InitializeProject()
{
    if (explorer_) { explorer_->InitializeProject(); }
}

// ---- opening and saving

void MainWindow::OpenFile(Tool* tool, const std::string& filter, const std::string& path)
{
    const std::string given = Trim(path);
    const std::string file =
        given.empty()
            ? Trim(ShowOpen(Hwnd(), filter.empty() ? kDefaultOpenFilter : filter, "Open File ...", OFN_EXPLORER))
            : given;
    if (OpensAsSolution(file)) {
        OpenSolution(file);
    } else if (!file.empty()) {
        OpenSingleFile(tool, file);
    }
    if (tasks_) { tasks_->LoadTasks(); }
}

void MainWindow::OpenSingleFile(Tool* tool, const std::string& file)
{
    for (const std::shared_ptr<DocWindow>& window : dock_.Windows().Snapshot()) {
        if (!window->IsPane() && window->Form() && EqualsIgnoreCase(window->Form()->FileName(), file)) {
            window->Activate();
            return;
        }
    }
    NewDocument(file);
    if (BelongsInFileMru(file)) { AddMruItem(keys::kFileMruList, file); }
    UpdateUI(false);
    const bool listed = explorer_ && explorer_->CheckFile(file);
    const std::string key = DocumentKeyFor(file);
    if (std::shared_ptr<DocWindow> active = dock_.ActiveWindow()) { active->SetKey(key); }
    if (!listed && explorer_ && tool && tool->Key() == keys::kProjectFile) { explorer_->AddFileItem(key, file); }
}

// The old solution's documents are offered for saving while it is still
// the current one; only then does the new one replace it.
void MainWindow::OpenSolution(const std::string& file)
{
    CloseSolutionDocuments();
    InitializeProject();
    values_.solutionPath = file;
    if (LowerCase(ItemTitle(file)) != "!default") { AddMruItem(keys::kProjectList, file); }
    if (explorer_) { explorer_->LoadSolution(file); }
}

void MainWindow::CloseSolutionDocuments()
{
    auto alive = AliveToken();
    for (const std::shared_ptr<DocWindow>& window : dock_.Windows().Snapshot()) {
        if (window->IsPane() || !window->Form()) { continue; }
        if (window->Caption() == keys::kStartPageCaption) { window->SetKey(keys::kStartPageKey); }
        IDocument* document = window->Form();
        const auto unsaved = [&] {
            return window->Form() == document &&
                   (Trim(document->FileName()).empty() || document->DocChanged());
        };
        if (IsFileItemKey(window->Key()) && document->IsEditor() && unsaved()) {
            window->Activate();
            // This switch cannot be cancelled: the prompt asks again until
            // the document is saved or the answer is No.
            while (*alive && unsaved()) {
                const SaveAnswer answer = AskSaveChanges(Hwnd());
                if (answer == SaveAnswer::No) { break; }
                if (answer == SaveAnswer::Yes) { RunCommand(keys::kFileSave); }
            }
            if (!*alive) { return; }
        }
        if (window->Key() != keys::kStartPageKey) { window->Close(); }
    }
}

void MainWindow::SaveFile(bool saveAs)
{
    if (std::shared_ptr<DocWindow> active = dock_.ActiveWindow()) {
        IDocument* document = active->Form();
        if (document && document->IsEditor()) {
            std::string path = document->FileName();
            if (Trim(path).empty()) {
                path = ShowSave(Hwnd(), kSaveFilter, "Save File ...", kSaveFlags, "kln");
            } else if (saveAs) {
                path = ShowSave(Hwnd(), kSaveAsFilter, "Save File As ...", kSaveFlags, "kln");
            }
            if (!Trim(path).empty()) { SaveDocumentAs(*active, Trim(path)); }
        }
    }
    SaveProject();
}

// The document takes the new name only after its file was written.
bool MainWindow::SaveDocumentAs(DocWindow& window, const std::string& path)
{
    IDocument* document = window.Form();
    if (!document || !document->Editor() || !document->Editor()->SaveFile(path, false)) { return false; }
    document->SetDocChanged(false);
    document->SetFileName(path);
    document->SetModuleLabel(kModuleLabel + GetFileName(path));
    window.SetCaption(" " + GetFileName(path) + " ");
    if (BelongsInFileMru(path)) { AddMruItem(keys::kFileMruList, path); }
    if (explorer_ && !window.Key().empty()) {
        explorer_->Tree1()->RenameItem(window.Key(), ItemTitle(path));
        explorer_->Tree1()->SetItemTag(window.Key(), path);
    }
    return true;
}

void MainWindow::SaveProject()
{
    if (values_.solutionName.empty()) { return; }
    if (values_.solutionPath == DefaultSolutionPath(AppPath())) { values_.solutionPath.clear(); }
    if (!Trim(values_.solutionPath).empty()) {
        if (explorer_) { explorer_->SaveSolution(values_.solutionPath); }
        return;
    }
    const std::string chosen = ShowSave(Hwnd(), kSolutionFilter, "Save Solution ...", kSaveFlags, "ksl");
    if (chosen.empty()) { return; }
    const std::string path = WithSolutionExtension(chosen);
    if (!explorer_) { return; }
    explorer_->SaveSolution(path);
    values_.solutionPath = path;
    explorer_->Tree1()->RenameItem(0, values_.solutionName);
}

std::vector<std::string> MainWindow::ProjectFilePaths() const
{
    std::vector<std::string> paths;
    if (!explorer_) { return paths; }
    for (const ProjectItem& item : explorer_->Items()) {
        if (IsFileItemKey(item.key) && !Trim(item.tag).empty()) { paths.push_back(Trim(item.tag)); }
    }
    return paths;
}

// ---- command state

void MainWindow::UpdateUI(bool projectTools)
{
    using Getter = bool (IDocument::*)() const;
    struct DocumentTool {
        const char* key;
        Getter getter;
    };
    static const DocumentTool kFileTools[] = {
        {keys::kFileSave, &IDocument::FileSave},         {keys::kFileSaveAs, &IDocument::FileSaveAs},
        {keys::kFileSaveAll, &IDocument::FileSaveAll},   {keys::kBuildBuild, &IDocument::BuildBuild},
        {keys::kBuildExecute, &IDocument::BuildExecute}, {keys::kBuildAll, &IDocument::BuildAll}};
    static const DocumentTool kEditTools[] = {
        {keys::kEditUndo, &IDocument::CanUndo},   {keys::kEditRedo, &IDocument::CanRedo},
        {keys::kEditCut, &IDocument::CanCut},     {keys::kEditCopy, &IDocument::CanCopy},
        {keys::kEditPaste, &IDocument::CanPaste}, {keys::kEditDelete, &IDocument::CanDelete}};
    const auto setEnabled = [this](const char* key, bool enabled) {
        if (Tool* tool = dock_.Tools(key)) { tool->SetEnabled(enabled); }
    };
    std::shared_ptr<DocWindow> active = dock_.ActiveWindow();
    IDocument* document = active ? active->Form() : nullptr;
    const auto follow = [&](const DocumentTool& tool) {
        if (document) { setEnabled(tool.key, (document->*tool.getter)()); }
    };
    setEnabled(keys::kViewOptions, dock_.Windows().Count() >= 2);
    for (const DocumentTool& tool : kFileTools) { follow(tool); }
    if (!Trim(values_.solutionName).empty()) { projectTools = true; }
    setEnabled(keys::kProjectNew, true);
    setEnabled(keys::kProjectOpen, true);
    for (const char* key : {keys::kProjectSave, keys::kProjectAdd, keys::kProjectOptions}) { setEnabled(key, projectTools); }
    for (const DocumentTool& tool : kEditTools) { follow(tool); }
}

void MainWindow::ShowEditPopup()
{
    if (Tool* popup = dock_.Tools(keys::kEditPopup)) { popup->ShowPopup(); }
}

// ---- docking host events

void MainWindow::OnCommand(Tool& tool) { dispatcher_.Dispatch(tool); }

void MainWindow::RunCommand(const std::string& key)
{
    if (Tool* tool = dock_.Tools(key)) { dispatcher_.Dispatch(*tool); }
}

// Only an editor document is offered for saving. A Yes that saved nothing,
// and an answer that is neither Yes nor No, keep the document open (and
// refuse a shut-down).
void MainWindow::OnDocumentClosing(DocWindow& window, int mode, bool& cancel)
{
    // The Start Page (the first document) stays while the IDE runs.
    if (!window.IsPane() && !shuttingDown_ && window.Index() < 2) {
        cancel = true;
        return;
    }
    IDocument* document = window.Form();
    if (mode != 1 || !document || !document->IsEditor()) { return; }
    if (Trim(document->FileName()).empty() || document->DocChanged()) {
        const SaveAnswer answer = AskSaveChanges(Hwnd());
        if (answer == SaveAnswer::Keep) {
            cancel = true;
            return;
        }
        if (answer == SaveAnswer::Yes) {
            const std::string path = ClosingSavePath(*document);
            if (path.empty() || !SaveDocumentAs(window, path)) {
                cancel = true;
                return;
            }
        }
    }
    if (Trim(document->FileName()).empty() && explorer_ && IsFileItemKey(window.Key())) {
        explorer_->Tree1()->DeleteItem(window.Key());
    }
}

std::string MainWindow::ClosingSavePath(const IDocument& document)
{
    if (!Trim(document.FileName()).empty()) { return Trim(document.FileName()); }
    return Trim(ShowSave(Hwnd(), kClosingFilter, "Save File ...", kSaveFlags, "kln"));
}

int MainWindow::ExplorerItemCount() const { return explorer_ ? explorer_->Tree1()->ItemCount() : 0; }

TreeNode MainWindow::ExplorerItemNode(int index) const
{
    return explorer_ ? explorer_->Tree1()->GetItemNode(index) : TreeNode{};
}

void MainWindow::RenameExplorerItem(int index, const std::string& text)
{
    if (explorer_) { explorer_->Tree1()->RenameItem(index, text); }
}

void MainWindow::OnDocumentDestroyed(DocWindow& window, int)
{
    if (!LetMessagesRun()) { return; }
    if (!window.IsPane() && window.Form()) {
        window.SetForm(nullptr);
        forms_.erase(window.Id());
    }
    window.Close();
    PumpPendingMessages();
}

void MainWindow::OnDocumentActivated(DocWindow& window)
{
    if (!window.IsPane() && window.Form()) {
        SetFocus(window.Form()->Hwnd());
        UpdateUI(false);
    }
    if (!LetMessagesRun() || window.Index() == 0) { return; }
    const int index = window.Index();
    const int count = dock_.Windows().Count();
    if (Tool* previous = dock_.Tools(keys::kViewPrevious)) { previous->SetEnabled(index > 1); }
    if (Tool* next = dock_.Tools(keys::kViewNext)) { next->SetEnabled(index < count); }
    PumpPendingMessages();
}

// ---- the open-request poll, closing and unloading

void MainWindow::Poll()
{
    if (polling_) { return; }
    polling_ = true;
    const std::string request = Trim(GetRegValue(HKEY_LOCAL_MACHINE, kSettingsKey, "OpenFile"));
    if (!LetMessagesRun()) { return; }
    if (!request.empty()) {
        SetRegValue(HKEY_LOCAL_MACHINE, kSettingsKey, "OpenFile", "");
        OpenFile(nullptr, std::string(), request);
        if (!LetMessagesRun()) { return; }
    }
    polling_ = false;
}

// A message box or dialog takes the focus; when the main window is active
// again, the window that had it (else the active document) gets it back, so
// typed keys go on reaching the document.
void MainWindow::KeepFocus()
{
    HWND focus = GetFocus();
    focusBeforeDeactivation_ = focus && IsChild(Hwnd(), focus) ? focus : nullptr;
}

bool MainWindow::RestoreFocus()
{
    HWND target = focusBeforeDeactivation_;
    if (!target || !IsWindow(target) || !IsChild(Hwnd(), target) || !IsWindowVisible(target)) {
        std::shared_ptr<DocWindow> active = dock_.ActiveWindow();
        target = active && active->Form() ? active->Form()->Hwnd() : nullptr;
    }
    if (!target) { return false; }
    SetFocus(target);
    return true;
}

bool MainWindow::CloseRequest()
{
    auto alive = AliveToken();
    shuttingDown_ = true;
    ShowWindow(Hwnd(), SW_HIDE);
    if (!LetMessagesRun()) { return true; }
    for (const std::shared_ptr<DocWindow>& window : dock_.Windows().Snapshot()) {
        if (window->IsPane()) { continue; }
        window->SetVisible(false);
        if (!*alive) { return true; }
        if (window->Visible()) {
            shuttingDown_ = false;  // the IDE goes on running
            ShowWindow(Hwnd(), SW_SHOW);
            return false;
        }
        if (window->Form()) {
            forms_.erase(window->Id());
            window->SetForm(nullptr);
        }
    }
    return true;
}

void MainWindow::Unload()
{
    if (unloaded_) { return; }
    unloaded_ = true;
    KillTimer(Hwnd(), kPollTimerId);
    LayoutStore store;
    store.layout = dock_.GetLayout();
    store.Save(LayoutFile());
    SavePlacement();
    DeleteFileA((AppPath() + "\\b31415926.kln").c_str());
    DeleteFileA((AppPath() + "\\b31415926.exe").c_str());
    Pump(3);
    PostQuitMessage(0);
}

void MainWindow::SavePlacement()
{
    // The style bits outlast the close request's hide; the placement's
    // showCmd would read "hidden".
    const LONG_PTR style = GetWindowLongPtrA(Hwnd(), GWL_STYLE);
    const int state = (style & WS_MAXIMIZE) ? 2 : (style & WS_MINIMIZE) ? 1 : 0;
    SetRegValue(HKEY_LOCAL_MACHINE, kFormsKey, "Main.State", std::to_string(state));
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (state != 0 || !GetWindowPlacement(Hwnd(), &placement)) { return; }
    const RECT& normal = placement.rcNormalPosition;
    SetRegValue(HKEY_LOCAL_MACHINE, kFormsKey, "Main.Top", Twips(normal.top, TwipsPerPixelY()));
    SetRegValue(HKEY_LOCAL_MACHINE, kFormsKey, "Main.Left", Twips(normal.left, TwipsPerPixelX()));
    SetRegValue(HKEY_LOCAL_MACHINE, kFormsKey, "Main.Width",
                Twips(normal.right - normal.left, TwipsPerPixelX()));
    SetRegValue(HKEY_LOCAL_MACHINE, kFormsKey, "Main.Height",
                Twips(normal.bottom - normal.top, TwipsPerPixelY()));
}

LRESULT MainWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_TIMER:
            if (wParam == kPollTimerId) {
                Poll();
                return 0;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                KeepFocus();
            } else if (!HIWORD(wParam) && RestoreFocus()) {
                return 0;
            }
            break;
        case WM_CLOSE:
            if (CloseRequest()) { DestroyWindow(Hwnd()); }
            return 0;
        case WM_QUERYENDSESSION:
            return CloseRequest() ? TRUE : FALSE;
        case WM_ENDSESSION:
            if (wParam) { Unload(); }
            return 0;
        case WM_DESTROY:
            Unload();
            return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

}  // namespace kforge
