#include "EditorDoc.h"

#include <algorithm>
#include <sstream>

#include "AppPath.h"
#include "CallScanner.h"
#include "Dialogs.h"
#include "Gdi.h"
#include "Hourglass.h"
#include "Language.h"
#include "LanguageRegistry.h"
#include "MessagePump.h"
#include "Paths.h"
#include "ProcScanner.h"
#include "Registry.h"
#include "SyntaxHelpers.h"
#include "Texts.h"

namespace kforge {

namespace {

constexpr int kEditorId = 100, kPictureId = 101, kLabelId = 102, kObjectListId = 103, kProcListId = 104,
              kImageId = 105;
// Layout in twips.
constexpr int kTopBand = 360, kComboTop = 30, kImageSize = 240;
constexpr const char* kModuleLabel = "Module :   ";
constexpr const char* kNotFoundText = "  Search text is not found. ";
constexpr const char* kMessageTitle = "Kiln Forge";
constexpr const char* kListFont = "Tahoma";
constexpr COLORREF kMarginColor = 13160660;  // RGB 212, 208, 200
constexpr COLORREF kDividerColor = 4210752;  // RGB 64, 64, 64
constexpr int kEditorFontStyles[] = {5, 2, 11, 1, 3, 4, 6, 10, 9, 8, 7, 0};

HWND MakeChild(HWND parent, const char* className, const char* text, DWORD style, int id)
{
    return CreateWindowExA(0, className, text, WS_CHILD | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
}

int Px(int twips) { return TwipsToPixelsX(twips); }

int Py(int twips) { return TwipsToPixelsY(twips); }

}  // namespace

EditorDoc::EditorDoc(IDocumentHost* host) : host_(host) {}

EditorDoc::~EditorDoc()
{
    DestroyImageList(listImages_);
    if (font_) { DeleteObject(font_); }
}

bool EditorDoc::Create(HWND parent, const RECT& rect)
{
    WindowSpec spec;
    spec.className = "KEditorDoc";
    spec.classStyle = CS_HREDRAW | CS_VREDRAW;
    spec.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    spec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    spec.rect = rect;
    spec.parent = parent;
    if (!Window::Create(spec)) { return false; }
    font_ = MakeFont("Tahoma", 8.25, false, false);
    picture1_ = MakeChild(Hwnd(), "STATIC", "", WS_VISIBLE, kPictureId);
    label1_ = CreateWindowExA(0, "STATIC", "Module : ", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 0, 0, 0, 0,
                              picture1_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLabelId)),
                              GetModuleHandleA(nullptr), nullptr);
    combo1_ = MakeChild(Hwnd(), "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, kObjectListId);
    combo2_ = MakeChild(Hwnd(), "COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL,
                        kProcListId);
    image1_ = MakeChild(Hwnd(), "STATIC", "", WS_VISIBLE | SS_ICON | SS_REALSIZECONTROL, kImageId);
    picicon_ = static_cast<HICON>(LoadImageA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                             LR_SHARED));
    SendMessageA(image1_, STM_SETICON, reinterpret_cast<WPARAM>(picicon_), 0);
    for (HWND child : {label1_, combo1_, combo2_}) {
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), 0);
    }
    for (HWND combo : {combo1_, combo2_}) {
        SendMessageA(combo, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(combo == combo1_ ? "(General)" : "(Declarations)"));
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
    }
    panelLook_.Attach(picture1_);
    procListLook_.Attach(combo2_);
    if (!editor_.Create(Hwnd(), kEditorId, RECT{0, 0, 0, 0})) { return false; }
    editor_.SetEvents(this);
    loaded_ = true;
    RECT client{};
    GetClientRect(Hwnd(), &client);
    Layout(client.right, client.bottom);
    return LetMessagesRun();
}

// ---- syntax and settings

std::string EditorDoc::SyntaxFileFor(const std::string& path)
{
    if (path.empty()) { return AppPath() + "\\syntax\\kln.syn"; }
    const std::string ext = Trim(GetFileExt(path));
    return AppPath() + "\\syntax\\" + GetRegValue(HKEY_LOCAL_MACHINE, kSyntaxKey, ext);
}

void EditorDoc::LoadSettings(const std::string& path)
{
    Language language;
    editor_.SetFont("Courier New CE", 10);
    editor_.SetShowWhitespace(false);
    editor_.SetShowLeftMargin(true);
    editor_.SetColor(1, kMarginColor);
    editor_.SetColor(27, kMarginColor);
    editor_.SetColor(29, kDividerColor);
    syntax_ = LoadSyntax(path);
    editor_.SetNormalizeCase(syntax_.autocase);
    editor_.SetAutoIndentMode(syntax_.autoindent ? 2 : 0);
    editor_.SetTabSize(syntax_.indentsize);
    const std::pair<int, uint32_t> colors[] = {
        {14, syntax_.commentcolor}, {8, syntax_.keywordcolor},   {22, syntax_.keywordcolor},
        {6, syntax_.numbercolor},   {10, syntax_.operatorcolor}, {16, syntax_.stringcolor},
        {24, syntax_.attribcolor},  {18, syntax_.textcolor},     {20, syntax_.textcolor},
        {4, syntax_.textcolor},     {12, syntax_.textcolor}};
    for (const auto& slot : colors) { editor_.SetColor(slot.first, slot.second); }
    for (int slot : kEditorFontStyles) { editor_.SetFontStyle(slot, 0); }
    language.caseSensitive = syntax_.casesensitive;
    language.escapeChar = syntax_.escapechar;
    language.keywords = syntax_.keywords;
    language.blockStart = syntax_.multilinecommentstart;
    language.blockEnd = syntax_.multilinecommentend;
    language.operators = syntax_.operators;
    language.scopeStart = syntax_.syntaxstart;
    language.scopeEnd = syntax_.syntaxend;
    language.lineComment = syntax_.singlelinecomment;
    language.stringDelimiters = SplitChars(syntax_.stringdelimeters);
    language.style = syntax_.langstyle;
    language.attributes = syntax_.attributes;
    language.keywords2 = syntax_.keywords;
    language.terminator = syntax_.terminatorchar;
    LanguageRegistry::Register(syntax_.name, language);
    editor_.SetLanguage(syntax_.name);
    editor_.SetColorSyntax(true);
}

// ---- file and names

void EditorDoc::LoadFile(const std::string& path)
{
    Hourglass hourglass;
    LoadSettings(SyntaxFileFor(path));
    SetModuleLabel(kModuleLabel);
    fileName_ = path;
    if (!LetMessagesRun()) { return; }
    if (Trim(path) != "") {
        const bool opened = editor_.OpenFile(path);
        const DWORD attributes = GetFileAttributesA(path.c_str());
        const bool existingFile =
            attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
        if (!opened && existingFile) {
            // An unreadable file stays unnamed: a save must not overwrite it.
            fileName_.clear();
            moduleName_.clear();
        } else {
            BuildProcList();
            if (!LetMessagesRun()) { return; }
            moduleName_ = GetFileName(path);
            SetModuleLabel(kModuleLabel + moduleName_);
        }
    }
    ShowWindow(label1_, SW_SHOW);
}

void EditorDoc::SetFileName(const std::string& path)
{
    if (fileName_.empty()) { LoadSettings(SyntaxFileFor(path)); }
    fileName_ = path;
}

void EditorDoc::SetModuleLabel(const std::string& text) { SetWindowTextA(label1_, text.c_str()); }

std::string EditorDoc::ModuleLabel() const
{
    char text[512] = {};
    GetWindowTextA(label1_, text, sizeof text);
    return text;
}

std::string EditorDoc::CurrentPosition() const
{
    const Range sel = editor_.GetSel(true);
    return std::to_string(sel.startLine) + "/" + std::to_string(sel.startCol);
}

std::string EditorDoc::CurrentLine() const
{
    return std::to_string(editor_.GetSel(true).startLine) + "/" + std::to_string(editor_.GetLineCount());
}

std::string EditorDoc::ArgumentFilePath() const { return AppPath() + "\\" + syntax_.argumentfile; }

// ---- call tips

void EditorDoc::ParseLine(const std::string& line, int col, const std::string& escape)
{
    const char escapeByte = escape.empty() ? '\0' : escape[0];
    const std::optional<CallFrame> call = ScanOpenCall(line, col, escapeByte, syntax_.stringdelimeters);
    if (!call) {
        tipArgument_ = -1;
        return;
    }
    tipArgument_ = call->argNo - 1;
    tipText_ = " " + GetArguments(call->name, ArgumentFilePath()) + " ";
    if (Trim(tipText_).empty()) { tipArgument_ = -1; }
    editor_.ExecuteCmd(CodeEdit::kCmdCodeTip);
}

int EditorDoc::OnCodeTipWanted()
{
    return !listOpen_ && tipArgument_ != -1 && !syntax_.keywords.empty() ? 4 : 0;
}

void EditorDoc::OnCodeTipSetup(CodeTip& tip)
{
    tip.SetFontName(kListFont);
    if (tipArgument_ != -1) {
        tip.SetText(tipText_);
        tip.SetArgument(tipArgument_);
    } else {
        tip.Close();
    }
}

// ---- editor events

void EditorDoc::OnSelChange()
{
    if (!syntax_.keywords.empty() && !leftButtonDown_ && !updating_ && FileExists(ArgumentFilePath())) {
        const Range sel = editor_.GetSel(true);
        ParseLine(editor_.GetLine(sel.startLine), sel.startCol, syntax_.escapechar);
    }
    if (host_) { host_->SetStatus1(PositionStatus()); }
}

// The caret's line and column counted from 1, as kln's error lines and the
// Go To dialog count them (CurrentPosition keeps the editor's own numbers).
std::string EditorDoc::PositionStatus() const
{
    const Range sel = editor_.GetSel(true);
    return "Position : " + std::to_string(sel.startLine + 1) + "/" + std::to_string(sel.startCol + 1);
}

bool EditorDoc::OnNotify(int code)
{
    if (code != CodeEdit::kNotifyNotFound) { return false; }
    ShowMessage(Hwnd(), kNotFoundText, kMessageTitle, MB_ICONEXCLAMATION | MB_OK);
    return true;
}

void EditorDoc::OnKeyDown(int vk, int)
{
    if (vk == VK_ESCAPE || vk == VK_TAB || vk == VK_RETURN || (vk >= VK_LEFT && vk <= VK_DOWN)) {
        if (host_) { host_->UpdateUI(false); }
    }
    lastCaretLine_ = CaretLine();
}

void EditorDoc::OnKeyUp(int, int)
{
    if (CaretLine() != lastCaretLine_) { BuildProcList(); }
}

bool EditorDoc::OnKeyPress(int ch, int shift)
{
    if ((ch == 27 || ch == 9 || ch == 13) && host_) { host_->UpdateUI(false); }
    if (activeList_ && shift != 2 && ch == ' ') {
        if (!activeList_->HasSelection()) { return false; }  // the list is cancelled, the space typed
        chosenItemText_ = activeList_->GetItemText(activeList_->GetSelectedIndex());
        CommitChoice(*activeList_);
        return true;
    }
    return false;
}

void EditorDoc::OnMouseDown(int button, int, int, int)
{
    leftButtonDown_ = button == 1;
    lastCaretLine_ = CaretLine();
}

void EditorDoc::OnMouseUp(int button, int, int x, int y)
{
    if (leftButtonDown_) {
        if (host_) { host_->UpdateUI(false); }
        leftButtonDown_ = false;
        OnSelChange();
        if (CaretLine() != lastCaretLine_) { BuildProcList(); }
    }
    if (button == 2 && editor_.HitTest(x, y, 24) == CodeEdit::kHitText && host_) { host_->ShowEditPopup(); }
}

// ---- completion list

bool EditorDoc::OnCodeListWanted(CodeList& list)
{
    if (syntax_.keywords.empty()) { return false; }
    list.SetFontName(kListFont);
    listOpen_ = true;
    DestroyImageList(listImages_);
    listImages_ = CreateImageList(-1, 3, 3);
    AddImageIcon(listImages_, picicon_);
    list.SetImageList(listImages_);
    std::istringstream words(syntax_.keywords);
    for (std::string word; std::getline(words, word, '\n');) {
        if (!word.empty()) { list.AddItem(word, 0); }
    }
    list.Select(list.FindString(editor_.GetCurrentWord(), true));
    activeList_ = &list;
    return true;
}

void EditorDoc::OnCodeListCommit(CodeList& list)
{
    if (chosenItemText_.empty() && list.HasSelection()) {
        chosenItemText_ = list.GetItemText(list.GetSelectedIndex());
    }
    CommitChoice(list);
}

// Replaces the word at the caret with the chosen entry; without a choice
// only closes the list.
void EditorDoc::CommitChoice(CodeList& list)
{
    const std::string choice = Trim(chosenItemText_);
    chosenItemText_.clear();
    if (!choice.empty()) {
        const std::string word = editor_.GetCurrentWord();
        if (!word.empty()) {
            Range sel = editor_.GetSel(true);
            const std::string text = editor_.GetLine(sel.startLine);
            for (int p = std::min<int>(sel.endCol, static_cast<int>(text.size())); p >= 1; --p) {
                if (text.compare(static_cast<size_t>(p - 1), word.size(), word) == 0) {
                    sel.startCol = sel.endCol = p - 1;
                    sel.endLine = sel.startLine;
                    editor_.SetSel(sel, true);
                    break;
                }
            }
            editor_.ExecuteCmd(CodeEdit::kCmdSelectWordEnd);
        }
        editor_.ReplaceSel(choice);
    }
    editor_.ExecuteCmd(CodeEdit::kCmdListCommitShow);
    list.Close();
    activeList_ = nullptr;
    listOpen_ = false;
    LockWindowUpdate(nullptr);
    UpdateWindow(editor_.Hwnd());
}

void EditorDoc::OnCodeListCancel(CodeList&)
{
    listOpen_ = false;
    activeList_ = nullptr;
}

std::string EditorDoc::OnCodeListHover(CodeList& list)
{
    return GetArguments(list.GetItemText(list.GetSelectedIndex()), ArgumentFilePath());
}

// ---- procedure navigator

void EditorDoc::BuildProcList()
{
    updating_ = true;
    LockWindowUpdate(combo2_);
    const std::string text = editor_.Text();
    const std::vector<ProcEntry> entries = ScanProcedures(text);
    const int lineCount = static_cast<int>(SplitCrLfLines(text).size());
    const int caretLine = editor_.GetSel(true).startLine;
    SendMessageA(combo1_, CB_RESETCONTENT, 0, 0);
    SendMessageA(combo2_, CB_RESETCONTENT, 0, 0);
    SendMessageA(combo1_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("(General)"));
    SendMessageA(combo2_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("(Declarations)"));
    SendMessageA(combo2_, CB_SETITEMDATA, 0, 0);
    SendMessageA(combo1_, CB_SETCURSEL, 0, 0);
    SendMessageA(combo2_, CB_SETCURSEL, 0, 0);
    for (const ProcEntry& entry : entries) {
        const LRESULT index =
            SendMessageA(combo2_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text.c_str()));
        if (index >= 0) { SendMessageA(combo2_, CB_SETITEMDATA, static_cast<WPARAM>(index), entry.line); }
    }
    const int preselect = PreselectLine(entries, lineCount, caretLine);
    if (preselect > 0) { SendMessageA(combo2_, CB_SETCURSEL, static_cast<WPARAM>(preselect), 0); }
    updating_ = false;
    LockWindowUpdate(nullptr);
    UpdateWindow(combo2_);
}

void EditorDoc::OnProcListCommand(int code)
{
    switch (code) {
        case CBN_SETFOCUS:
            BuildProcList();
            procListArmed_ = true;
            break;
        case CBN_SELCHANGE: {
            if (!procListArmed_) { break; }
            const LRESULT index = SendMessageA(combo2_, CB_GETCURSEL, 0, 0);
            if (index == CB_ERR) { break; }
            const auto line =
                static_cast<int>(SendMessageA(combo2_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
            editor_.ExecuteCmd(CodeEdit::kCmdGoToLine, line);
            break;
        }
        case CBN_KILLFOCUS:
            procListArmed_ = false;
            break;
    }
}

// ---- window

void EditorDoc::Layout(int width, int height)
{
    const int tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    const int w = width * tx, h = height * ty;
    shape1_ = {0, Py(kTopBand), width, Py(kTopBand) + std::max(Py(h - kTopBand - 15), 0)};
    MoveWindow(editor_.Hwnd(), shape1_.left + Px(15), shape1_.top + Py(15),
               std::max<int>(shape1_.right - shape1_.left - Px(30), 0),
               std::max<int>(shape1_.bottom - shape1_.top - Py(30), 0), TRUE);
    const int half = std::max((w - 750) / 2, 0);
    RECT comboRect{};
    MoveWindow(combo1_, Px(225), Py(kComboTop), Px(half), 200, TRUE);
    GetWindowRect(combo1_, &comboRect);
    const int comboHeight = comboRect.bottom - comboRect.top;
    MoveWindow(picture1_, Px(225), Py(kComboTop + 30), Px(half), std::max(comboHeight - Py(60), 0), TRUE);
    MoveWindow(label1_, 0, 0, Px(half), std::max(comboHeight - Py(60), 0), TRUE);
    const int imageLeft = half + 625;
    MoveWindow(image1_, Px(imageLeft), Py(kComboTop) + 2, Px(kImageSize), Py(kImageSize), TRUE);
    MoveWindow(combo2_, Px(imageLeft + kImageSize + 150), Py(kComboTop),
               Px(std::max(half - kImageSize - 300, 0)), 200, TRUE);
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

void EditorDoc::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    FrameRect(dc, &shape1_, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EndPaint(Hwnd(), &paint);
}

LRESULT EditorDoc::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_SIZE:
            Layout(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SETFOCUS:
            SetFocus(editor_.Hwnd());
            return 0;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == combo2_) { OnProcListCommand(HIWORD(wParam)); }
            return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

}  // namespace kforge
