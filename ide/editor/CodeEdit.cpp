#include "CodeEdit.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "AtomicFile.h"
#include "Boundary.h"
#include "EditText.h"
#include "Gdi.h"
#include "GoToDialog.h"
#include "ICodeEditEvents.h"
#include "LanguageRegistry.h"
#include "SearchDialog.h"
#include "SourceStyler.h"
#include "Texts.h"

namespace kforge {

namespace {

constexpr int kMarginWidth = 16;
constexpr int kCaretSlop = 80;  // pixels kept free right of the caret: fewer horizontal scrolls
constexpr int kTextStyles[] = {kStylePlain, kStyleNumber,   kStyleKeyword,  kStyleOperator,
                               12,          kStyleComment,  kStyleString,   18,
                               20,          kStyleKeyword2, kStyleAttribute};

int ShiftMask()
{
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

bool IsNavigationKey(WPARAM vk)
{
    return (vk >= VK_PRIOR && vk <= VK_DOWN);  // PgUp, PgDn, End, Home, the arrows
}

bool ReadBytes(const std::string& path, std::string& bytes)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) { return false; }
    std::ifstream in(path, std::ios::binary);
    if (!in) { return false; }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

CodeEdit::CodeEdit() : list_(*this) {}

CodeEdit::~CodeEdit()
{
    if (registryListener_) { LanguageRegistry::RemoveListener(registryListener_); }
    subclasser_.UnSubclass();
    if (hoverTip_) { DestroyWindow(hoverTip_); }
    if (font_) { DeleteObject(font_); }
}

bool CodeEdit::RegisterEngine()
{
    static const bool registered = Scintilla_RegisterClasses(GetModuleHandleA(nullptr)) != 0;
    return registered;
}

bool CodeEdit::Create(HWND parent, int id, const RECT& rect)
{
    if (!RegisterEngine()) { return false; }
    WindowSpec spec;
    spec.className = "KCodeEdit";
    spec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    spec.rect = rect;
    spec.parent = parent;
    spec.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    if (!Window::Create(spec)) { return false; }
    engine_ = CreateWindowExA(0, "Scintilla", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0,
                              rect.right - rect.left, rect.bottom - rect.top, Hwnd(), nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (!engine_) { return false; }
    direct_ = reinterpret_cast<SciFnDirect>(SendMessageA(engine_, SCI_GETDIRECTFUNCTION, 0, 0));
    directPointer_ = static_cast<sptr_t>(SendMessageA(engine_, SCI_GETDIRECTPOINTER, 0, 0));
    Call(SCI_SETCODEPAGE, 0);
    Call(SCI_SETEOLMODE, SC_EOL_CRLF);
    Call(SCI_SETPASTECONVERTENDINGS, 1);
    Call(SCI_SETMODEVENTMASK, SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT);
    Call(SCI_USEPOPUP, SC_POPUP_NEVER);
    Call(SCI_SETUSETABS, 1);
    Call(SCI_SETTABINDENTS, 0);
    Call(SCI_SETBACKSPACEUNINDENTS, 0);
    Call(SCI_SETMARGINWIDTHN, 1, 0);
    Call(SCI_SETXCARETPOLICY, CARET_SLOP | CARET_EVEN, kCaretSlop);
    Call(SCI_SETSCROLLWIDTHTRACKING, 1);
    Call(SCI_SETSCROLLWIDTH, 1);
    Call(SCI_SETMOUSEWHEELCAPTURES, 1);
    Call(SCI_AUTOCSETSEPARATOR, '\n');
    Call(SCI_AUTOCSETTYPESEPARATOR, '\x1F');
    Call(SCI_AUTOCSETORDER, SC_ORDER_CUSTOM);
    Call(SCI_AUTOCSETIGNORECASE, 1);
    Call(SCI_AUTOCSETAUTOHIDE, 0);
    Call(SCI_AUTOCSETCANCELATSTART, 0);
    Call(SCI_AUTOCSETDROPRESTOFWORD, 0);
    Call(SCI_CALLTIPUSESTYLE, 0);
    Call(SCI_SETPRINTWRAPMODE, SC_WRAP_NONE);
    Call(SCI_SETPRINTCOLOURMODE, SC_PRINT_COLOURONWHITE);
    Call(SCI_STYLESETBACK, STYLE_DEFAULT, GetSysColor(COLOR_WINDOW));
    Call(SCI_SETSELFORE, 1, GetSysColor(COLOR_HIGHLIGHTTEXT));
    Call(SCI_SETSELBACK, 1, GetSysColor(COLOR_HIGHLIGHT));
    SetTabSize(4);
    SetFont("Courier New", 10);
    registryListener_ = LanguageRegistry::AddListener([this](const std::string& name) {
        if (name == languageName_) { SetLanguage(name); }
    });
    subclasser_.Subclass(engine_, this);
    for (UINT msg : {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                     WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_CONTEXTMENU}) {
        subclasser_.AddMsg(msg, Subclasser::kBefore);
    }
    Restyle();
    return true;
}

sptr_t CodeEdit::Call(unsigned msg, uptr_t wParam, sptr_t lParam) const
{
    return direct_ ? direct_(directPointer_, msg, wParam, lParam) : 0;
}

// ---- positions

sptr_t CodeEdit::Length() const { return Call(SCI_GETLENGTH); }

int CodeEdit::GetLineCount() const { return static_cast<int>(Call(SCI_GETLINECOUNT)); }

int CodeEdit::ClampLine(int line) const { return std::clamp(line, 0, std::max(GetLineCount() - 1, 0)); }

sptr_t CodeEdit::LineStart(int line) const { return Call(SCI_POSITIONFROMLINE, ClampLine(line)); }

sptr_t CodeEdit::LineEndPos(int line) const { return Call(SCI_GETLINEENDPOSITION, ClampLine(line)); }

sptr_t CodeEdit::PositionOf(int line, int col) const
{
    const sptr_t start = LineStart(line);
    return std::clamp<sptr_t>(start + std::max(col, 0), start, LineEndPos(line));
}

int CodeEdit::LineOf(sptr_t pos) const { return static_cast<int>(Call(SCI_LINEFROMPOSITION, pos)); }

std::string CodeEdit::TextRange(sptr_t start, sptr_t end) const
{
    if (end <= start) { return std::string(); }
    const char* bytes = reinterpret_cast<const char*>(Call(SCI_GETRANGEPOINTER, start, end - start));
    return bytes ? std::string(bytes, static_cast<size_t>(end - start)) : std::string();
}

// ---- text and files

std::string CodeEdit::Text() const { return TextRange(0, Length()); }

void CodeEdit::LoadBuffer(const std::string& bytes)
{
    ++quiet_;
    Call(SCI_CANCEL);
    Call(SCI_CLEARALL);
    const std::string text = ToCrLf(bytes);
    Call(SCI_APPENDTEXT, text.size(), reinterpret_cast<sptr_t>(text.data()));
    Call(SCI_EMPTYUNDOBUFFER);
    Call(SCI_SETSAVEPOINT);
    Call(SCI_GOTOPOS, 0);
    --quiet_;
}

void CodeEdit::SetText(const std::string& text)
{
    LoadBuffer(text);
    ReportChange();
    ReportSelChange(true);
}

bool CodeEdit::OpenFile(const std::string& path)
{
    std::string bytes;
    const bool read = ReadBytes(path, bytes);
    LoadBuffer(read ? bytes : std::string());
    // The load itself is no change: the next report compares with this state.
    changedSinceReport_ = false;
    reportedAnchor_ = reportedCaret_ = 0;
    return read;
}

bool CodeEdit::SaveFile(const std::string& path, bool) const { return WriteFileAtomically(path, Text()); }

bool CodeEdit::PrintContents(HDC printer)
{
    if (!printer) { return false; }
    DOCINFOA doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = "kforge";
    // A memory device context has no document: it gets the first page, as
    // a preview does.
    const bool document = StartDocA(printer, &doc) > 0;
    if (!document && GetObjectType(printer) != OBJ_MEMDC) { return false; }
    const int width = GetDeviceCaps(printer, HORZRES), height = GetDeviceCaps(printer, VERTRES);
    Sci_RangeToFormatFull range{};
    range.hdc = range.hdcTarget = printer;
    range.rc = {0, 0, width, height};
    range.rcPage = range.rc;
    range.chrg.cpMax = Length();
    bool printed = true;
    do {
        if (document && StartPage(printer) <= 0) {
            printed = false;
            break;
        }
        const sptr_t next = Call(SCI_FORMATRANGEFULL, 1, reinterpret_cast<sptr_t>(&range));
        if (document) { EndPage(printer); }
        if (next <= range.chrg.cpMin) { break; }  // nothing more fits
        range.chrg.cpMin = next;
    } while (document && range.chrg.cpMin < range.chrg.cpMax);
    Call(SCI_FORMATRANGEFULL, 0, 0);
    if (document) { EndDoc(printer); }
    return printed;
}

// ---- settings

void CodeEdit::SetFont(const std::string& face, double points)
{
    // The face is asked for with a fixed pitch: the engine then gets the
    // monospace face the system gives for it.
    HFONT font = MakeFont(face, points, false, true);
    LOGFONTA described{};
    GetObjectA(font, sizeof described, &described);
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    char actual[LF_FACESIZE] = {};
    GetTextFaceA(screen, LF_FACESIZE, actual);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    if (font_) { DeleteObject(font_); }
    font_ = font;
    Call(SCI_STYLESETFONT, STYLE_DEFAULT, reinterpret_cast<sptr_t>(actual));
    Call(SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT, static_cast<sptr_t>(points * SC_FONT_SIZE_MULTIPLIER));
    Call(SCI_STYLECLEARALL);
    ApplyColors();
}

void CodeEdit::SetColorSyntax(bool on)
{
    colorSyntax_ = on;
    Restyle();
}

void CodeEdit::SetShowLeftMargin(bool on)
{
    Call(SCI_SETMARGINTYPEN, 0, SC_MARGIN_COLOUR);
    Call(SCI_SETMARGINWIDTHN, 0, on ? kMarginWidth : 0);
    Call(SCI_SETMARGINLEFT, 0, 0);
    ApplyColors();
}

void CodeEdit::SetShowWhitespace(bool on)
{
    Call(SCI_SETVIEWWS, on ? SCWS_VISIBLEALWAYS : SCWS_INVISIBLE);
    Call(SCI_SETWHITESPACESIZE, 1);
    Call(SCI_SETTABDRAWMODE, SCTD_LONGARROW);
}

void CodeEdit::SetTabSize(int size) { Call(SCI_SETTABWIDTH, size < 1 ? 4 : std::min(size, 32)); }

int CodeEdit::TabSize() const { return static_cast<int>(Call(SCI_GETTABWIDTH)); }

void CodeEdit::SetLanguage(const std::string& name)
{
    languageName_ = name;
    std::shared_ptr<const Language> language = LanguageRegistry::Find(name);
    styler_ = language ? std::make_unique<SourceStyler>(*language) : nullptr;
    Restyle();
}

void CodeEdit::SetColor(int slot, COLORREF color)
{
    colors_[slot] = color;
    ApplyColors();
}

COLORREF CodeEdit::GetColor(int slot) const
{
    auto found = colors_.find(slot);
    return found == colors_.end() ? 0 : found->second;
}

void CodeEdit::SetFontStyle(int slot, int value) { fontStyles_[slot] = value; }

int CodeEdit::GetFontStyle(int slot) const
{
    auto found = fontStyles_.find(slot);
    return found == fontStyles_.end() ? 0 : found->second;
}

void CodeEdit::ApplyColors()
{
    for (int style : kTextStyles) { Call(SCI_STYLESETFORE, style, GetColor(style)); }
    Call(SCI_SETMARGINBACKN, 0, GetColor(1));
    // The divider between the margin and the text.
    Call(SCI_SETMARGINWIDTHN, 2, Call(SCI_GETMARGINWIDTHN, 0) ? 1 : 0);
    Call(SCI_SETMARGINTYPEN, 2, SC_MARGIN_COLOUR);
    Call(SCI_SETMARGINBACKN, 2, GetColor(29));
}

// ---- colouring

void CodeEdit::Restyle()
{
    Call(SCI_CLEARDOCUMENTSTYLE);
    Call(SCI_STARTSTYLING, 0);
    InvalidateRect(engine_, nullptr, FALSE);
}

void CodeEdit::StyleNeeded(sptr_t endPos)
{
    int line = LineOf(Call(SCI_GETENDSTYLED));
    const int lastLine = LineOf(endPos);
    int state = line > 0 ? static_cast<int>(Call(SCI_GETLINESTATE, line - 1)) : kInCode;
    std::vector<unsigned char> styles;
    for (; line <= lastLine; ++line) {
        const sptr_t start = Call(SCI_POSITIONFROMLINE, line);
        const sptr_t end = Call(SCI_GETLINEENDPOSITION, line);
        const sptr_t next = Call(SCI_POSITIONFROMLINE, line + 1);
        const size_t length = static_cast<size_t>(end - start);
        styles.assign(static_cast<size_t>(std::max(next, end) - start), kStylePlain);
        if (styler_ && colorSyntax_ && length) {
            const char* bytes = reinterpret_cast<const char*>(Call(SCI_GETRANGEPOINTER, start, length));
            state = styler_->StyleLine(bytes, length, state, styles.data());
        } else if (!styler_ || !colorSyntax_) {
            state = kInCode;
        }
        // The lines after this one are styled when they are needed, from
        // the state stored here.
        Call(SCI_SETLINESTATE, line, state);
        Call(SCI_STARTSTYLING, start);
        Call(SCI_SETSTYLINGEX, styles.size(), reinterpret_cast<sptr_t>(styles.data()));
    }
}

// ---- queries and editing

bool CodeEdit::CanUndo() const { return Call(SCI_CANUNDO) != 0; }

bool CodeEdit::CanRedo() const { return Call(SCI_CANREDO) != 0; }

bool CodeEdit::CanCut() const { return Call(SCI_GETSELECTIONEMPTY) == 0; }

bool CodeEdit::CanCopy() const { return CanCut(); }

bool CodeEdit::CanPaste() const { return IsClipboardFormatAvailable(CF_TEXT) != 0; }

Range CodeEdit::GetSel(bool normalized) const
{
    sptr_t anchor = Call(SCI_GETANCHOR), caret = Call(SCI_GETCURRENTPOS);
    if (normalized && anchor > caret) { std::swap(anchor, caret); }
    Range range;
    range.startLine = LineOf(anchor);
    range.startCol = static_cast<int>(anchor - LineStart(range.startLine));
    range.endLine = LineOf(caret);
    range.endCol = static_cast<int>(caret - LineStart(range.endLine));
    return range;
}

void CodeEdit::SetSel(const Range& range, bool ensureVisible)
{
    Call(SCI_SETANCHOR, PositionOf(range.startLine, range.startCol));
    Call(SCI_SETCURRENTPOS, PositionOf(range.endLine, range.endCol));
    if (ensureVisible) { Call(SCI_SCROLLCARET); }
    ReportSelChange(true);
}

std::string CodeEdit::GetLine(int line) const
{
    if (line < 0 || line >= GetLineCount()) { return std::string(); }
    return TextRange(LineStart(line), LineEndPos(line));
}

std::string CodeEdit::GetCurrentWord() const
{
    const sptr_t caret = Call(SCI_GETCURRENTPOS);
    const int line = LineOf(caret);
    const sptr_t lineStart = LineStart(line);
    const std::string text = GetLine(line);
    size_t start = static_cast<size_t>(caret - lineStart), end = start;
    while (start > 0 && IsWordByte(text[start - 1])) { --start; }
    while (end < text.size() && IsWordByte(text[end])) { ++end; }
    return text.substr(start, end - start);
}

void CodeEdit::ReplaceSel(const std::string& text)
{
    Call(SCI_BEGINUNDOACTION);
    Call(SCI_REPLACESEL, 0, reinterpret_cast<sptr_t>(""));
    Call(SCI_ADDTEXT, text.size(), reinterpret_cast<sptr_t>(text.data()));
    Call(SCI_ENDUNDOACTION);
    ReportSelChange(true);
}

int CodeEdit::HitTest(int x, int y, int) const
{
    RECT client{};
    GetClientRect(engine_, &client);
    if (x < 0 || y < 0 || x >= client.right || y >= client.bottom) { return kHitNone; }
    int margins = 0;
    for (int margin = 0; margin < 3; ++margin) {
        margins += static_cast<int>(Call(SCI_GETMARGINWIDTHN, margin));
    }
    return x < margins ? kHitMargin : kHitText;
}

void CodeEdit::ExecuteCmd(int cmd, int arg)
{
    switch (cmd) {
        case kCmdUndo:
            Call(SCI_UNDO);
            break;
        case kCmdRedo:
            Call(SCI_REDO);
            break;
        case kCmdCut:
            CopySelection(true);
            break;
        case kCmdCopy:
            CopySelection(false);
            break;
        case kCmdPaste:
            Paste();
            break;
        case kCmdDelete:
            Call(SCI_CLEAR);
            break;
        case kCmdSelectAll:
            Call(SCI_SELECTALL);
            break;
        case kCmdFind:
            RunFindDialog();
            break;
        case kCmdFindNext:
            if (searched_) {
                FindText(lastSearch_);
            } else {
                RunFindDialog();
            }
            break;
        case kCmdReplace:
            RunReplaceDialog();
            break;
        case kCmdGoToLine:
            if (arg < 0) {
                RunGoToDialog();
            } else {
                GoToLine(arg);
            }
            return;
        case kCmdCodeTip:
            ShowCodeTip();
            return;
        case kCmdSelectWordEnd: {
            const sptr_t caret = Call(SCI_GETCURRENTPOS);
            Call(SCI_SETSEL, caret, Call(SCI_WORDENDPOSITION, caret, 1));
            break;
        }
        case kCmdListCommitShow:
            Call(SCI_SCROLLCARET);
            break;
        default:
            return;
    }
    ReportSelChange(true);
}

void CodeEdit::CopySelection(bool cut)
{
    if (!CanCut()) { return; }
    Call(cut ? SCI_CUT : SCI_COPY);
}

void CodeEdit::Paste()
{
    if (!OpenClipboard(Hwnd())) { return; }
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;  // up to the first NUL
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    if (!text.empty()) {
        const std::string normalized = ToCrLf(text);
        Call(SCI_BEGINUNDOACTION);
        Call(SCI_REPLACESEL, 0, reinterpret_cast<sptr_t>(""));
        Call(SCI_ADDTEXT, normalized.size(), reinterpret_cast<sptr_t>(normalized.data()));
        Call(SCI_ENDUNDOACTION);
        Call(SCI_SCROLLCARET);
    }
}

void CodeEdit::GoToLine(int line)
{
    Call(SCI_GOTOLINE, ClampLine(line));
    ReportSelChange(true);
}

// ---- searching

bool CodeEdit::Search(const SearchSpec& spec, sptr_t from, sptr_t to)
{
    Call(SCI_SETSEARCHFLAGS,
         (spec.matchCase ? SCFIND_MATCHCASE : 0) | (spec.wholeWord ? SCFIND_WHOLEWORD : 0));
    Call(SCI_SETTARGETRANGE, from, to);
    if (Call(SCI_SEARCHINTARGET, spec.what.size(), reinterpret_cast<sptr_t>(spec.what.c_str())) < 0) {
        return false;
    }
    Call(SCI_SETSEL, Call(SCI_GETTARGETSTART), Call(SCI_GETTARGETEND));
    Call(SCI_SCROLLRANGE, Call(SCI_GETTARGETSTART), Call(SCI_GETTARGETEND));
    return true;
}

bool CodeEdit::FindText(const SearchSpec& spec)
{
    lastSearch_ = spec;
    searched_ = true;
    bool found = false;
    if (!spec.what.empty()) {
        const sptr_t start = Call(SCI_GETSELECTIONSTART), end = Call(SCI_GETSELECTIONEND);
        found = spec.up ? Search(spec, start, 0) || Search(spec, Length(), start)
                        : Search(spec, end, Length()) || Search(spec, 0, end);
    }
    if (!found && !Notify(kNotifyNotFound)) { MessageBeep(0); }
    ReportSelChange(true);
    return found;
}

bool CodeEdit::ReplaceOnce(const SearchSpec& spec)
{
    const std::string selected = TextRange(Call(SCI_GETSELECTIONSTART), Call(SCI_GETSELECTIONEND));
    const bool matches = !spec.what.empty() &&
                         (spec.matchCase ? selected == spec.what : EqualsIgnoreCase(selected, spec.what));
    if (matches) {
        Call(SCI_TARGETFROMSELECTION);
        Call(SCI_REPLACETARGET, spec.with.size(), reinterpret_cast<sptr_t>(spec.with.data()));
        Call(SCI_SETSEL, Call(SCI_GETTARGETEND), Call(SCI_GETTARGETEND));
    }
    return FindText(spec);
}

int CodeEdit::ReplaceAllText(const SearchSpec& spec)
{
    int count = 0;
    if (!spec.what.empty()) {
        Call(SCI_BEGINUNDOACTION);
        Call(SCI_SETSEARCHFLAGS,
             (spec.matchCase ? SCFIND_MATCHCASE : 0) | (spec.wholeWord ? SCFIND_WHOLEWORD : 0));
        sptr_t from = 0;
        for (;;) {
            Call(SCI_SETTARGETRANGE, from, Length());
            if (Call(SCI_SEARCHINTARGET, spec.what.size(), reinterpret_cast<sptr_t>(spec.what.c_str())) < 0) {
                break;
            }
            Call(SCI_REPLACETARGET, spec.with.size(), reinterpret_cast<sptr_t>(spec.with.data()));
            from = Call(SCI_GETTARGETEND);
            ++count;
        }
        Call(SCI_ENDUNDOACTION);
    }
    if (count == 0 && !Notify(kNotifyNotFound)) { MessageBeep(0); }
    ReportSelChange(true);
    return count;
}

void CodeEdit::RunFindDialog()
{
    SearchSpec spec = lastSearch_;
    const Range sel = GetSel(true);
    spec.what = sel.startLine == sel.endLine && (sel.startCol != sel.endCol)
                    ? GetLine(sel.startLine).substr(sel.startCol, sel.endCol - sel.startCol)
                    : GetCurrentWord();
    SearchDialog(*this, spec, false).Run(Hwnd());
    SetFocus(engine_);
}

void CodeEdit::RunReplaceDialog()
{
    SearchSpec spec = lastSearch_;
    spec.what = GetCurrentWord();
    SearchDialog(*this, spec, true).Run(Hwnd());
    SetFocus(engine_);
}

void CodeEdit::RunGoToDialog()
{
    const int line = GoToDialog::Run(Hwnd(), GetSel(false).endLine + 1, GetLineCount());
    SetFocus(engine_);
    if (line > 0) { GoToLine(line - 1); }
}

// ---- events

bool CodeEdit::Notify(int code) { return events_ && events_->OnNotify(code); }

void CodeEdit::ReportChange()
{
    changedSinceReport_ = true;
    if (events_ && !quiet_) { events_->OnChange(); }
}

void CodeEdit::ReportSelChange(bool force)
{
    const sptr_t anchor = Call(SCI_GETANCHOR), caret = Call(SCI_GETCURRENTPOS);
    if (quiet_ || (!force && !changedSinceReport_ && anchor == reportedAnchor_ && caret == reportedCaret_)) {
        return;
    }
    reportedAnchor_ = anchor;
    reportedCaret_ = caret;
    changedSinceReport_ = false;
    tipRequested_ = false;
    auto alive = AliveToken();
    if (events_) { events_->OnSelChange(); }
    // A tip that no caret move asked for again is stale.
    if (*alive && !tipRequested_ && Call(SCI_CALLTIPACTIVE)) { Call(SCI_CALLTIPCANCEL); }
}

LRESULT CodeEdit::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_NOTIFY: {
            const auto* note = reinterpret_cast<const SCNotification*>(lParam);
            if (note->nmhdr.hwndFrom == engine_) { OnEngineNotify(*note); }
            return 0;
        }
        case WM_SIZE:
            if (engine_) { MoveWindow(engine_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); }
            return 0;
        case WM_SETFOCUS:
            if (engine_) { SetFocus(engine_); }
            return 0;
        case WM_COMMAND:
            return 0;  // the engine's focus notices
    }
    return Window::OnMessage(msg, wParam, lParam);
}

void CodeEdit::OnEngineNotify(const SCNotification& note)
{
    switch (note.nmhdr.code) {
        case SCN_STYLENEEDED:
            StyleNeeded(note.position);
            break;
        case SCN_MODIFIED:
            if (note.modificationType & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)) { ReportChange(); }
            break;
        case SCN_UPDATEUI:
            ReportSelChange(false);
            break;
        case SCN_AUTOCSELECTION:
            // A double-click: the host commits, the engine inserts nothing.
            list_.Close();
            CommitCodeList();
            break;
        case SCN_AUTOCCANCELLED:
            if (!list_.IsClosing() && events_) { events_->OnCodeListCancel(list_); }
            if (hoverTip_) { ShowWindow(hoverTip_, SW_HIDE); }
            break;
        case SCN_AUTOCSELECTIONCHANGE:
            ShowHoverTip();
            break;
        case SCN_FOCUSOUT:
            if (hoverTip_) { ShowWindow(hoverTip_, SW_HIDE); }
            Call(SCI_CALLTIPCANCEL);
            break;
    }
}

// ---- keys and mouse

void CodeEdit::SubclassBefore(bool& handled, LRESULT& ret, HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto alive = AliveToken();
    switch (msg) {
        case WM_KEYDOWN:
            if (events_) { events_->OnKeyDown(static_cast<int>(wParam), ShiftMask()); }
            if (!*alive) { break; }
            handled = OnKeyDownMsg(wParam);
            if (!handled) {
                handled = true;
                ret = subclasser_.CallOrigWndProc(msg, wParam, lParam);
            }
            if (*alive) { ReportSelChange(false); }
            break;
        case WM_KEYUP:
            handled = true;
            ret = subclasser_.CallOrigWndProc(msg, wParam, lParam);
            if (events_) { events_->OnKeyUp(static_cast<int>(wParam), ShiftMask()); }
            break;
        case WM_CHAR:
            handled = true;
            if (skipChar_ && wParam == skipChar_) {
                skipChar_ = 0;
                break;
            }
            if (events_ && events_->OnKeyPress(static_cast<int>(wParam), ShiftMask())) { break; }
            if (!*alive) { break; }
            if (!OnCharMsg(wParam)) { ret = subclasser_.CallOrigWndProc(msg, wParam, lParam); }
            if (*alive) { ReportSelChange(false); }
            break;
        case WM_CONTEXTMENU:
            handled = true;
            break;
        default:
            OnMouseMsg(msg, wParam, lParam, handled, ret);
            break;
    }
}

// Keys the layer handles itself; true when the engine must not see the key.
bool CodeEdit::OnKeyDownMsg(WPARAM vk)
{
    const int shift = ShiftMask();
    const bool ctrl = shift == 2;
    skipChar_ = 0;
    if (list_.IsOpen() && (vk == VK_RETURN || vk == VK_TAB) && shift == 0) {
        // The key's character that follows is consumed with it.
        skipChar_ = vk == VK_RETURN ? '\r' : '\t';
        CommitCodeList();
        return true;
    }
    if (ctrl) {
        switch (vk) {
            case 'F':
                ExecuteCmd(kCmdFind);
                return true;
            case 'H':
                ExecuteCmd(kCmdReplace);
                return true;
            case 'G':
                ExecuteCmd(kCmdGoToLine, -1);
                return true;
            case VK_SPACE:
                RequestCodeList();
                return true;
            case 'V':
                ExecuteCmd(kCmdPaste);
                return true;
        }
    }
    if (vk == VK_F3 && shift == 0) {
        ExecuteCmd(kCmdFindNext);
        return true;
    }
    // Enter and Tab insert through their characters, after OnKeyPress.
    if ((vk == VK_RETURN || vk == VK_TAB) && shift == 0) { return true; }
    if (IsNavigationKey(vk) && !list_.IsOpen()) { NormalizeWordBeforeCaret(); }
    return false;
}

// Characters the layer inserts itself; true when the engine must not see it.
bool CodeEdit::OnCharMsg(WPARAM ch)
{
    const int shift = ShiftMask();
    if (shift & 6) { return true; }  // Ctrl or Alt held: no text
    if (ch == '\r') {
        InsertNewLine();
        return true;
    }
    if (ch == '\t') {
        Call(SCI_BEGINUNDOACTION);
        NormalizeWordBeforeCaret();
        Call(SCI_TAB);
        Call(SCI_ENDUNDOACTION);
        return true;
    }
    if (ch < 32) { return true; }
    if (IsWordByte(static_cast<char>(ch))) { return false; }
    if (list_.IsOpen()) { CancelCodeList(); }
    Call(SCI_BEGINUNDOACTION);
    NormalizeWordBeforeCaret();
    subclasser_.CallOrigWndProc(WM_CHAR, ch, 0);
    Call(SCI_ENDUNDOACTION);
    return true;
}

void CodeEdit::OnMouseMsg(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled, LRESULT& ret)
{
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    const int shift = ShiftMask();
    auto alive = AliveToken();
    int button = 0;
    bool down = false;
    switch (msg) {
        case WM_LBUTTONDOWN:
            button = 1;
            down = true;
            break;
        case WM_RBUTTONDOWN:
            button = 2;
            down = true;
            break;
        case WM_MBUTTONDOWN:
            button = 4;
            down = true;
            break;
        case WM_LBUTTONUP:
            button = 1;
            break;
        case WM_RBUTTONUP:
            button = 2;
            break;
        case WM_MBUTTONUP:
            button = 4;
            break;
        case WM_LBUTTONDBLCLK:
            handled = true;
            ret = subclasser_.CallOrigWndProc(msg, wParam, lParam);
            ReportSelChange(false);
            return;
        default:
            return;
    }
    handled = true;
    if (down) {
        if (button == 1) { NormalizeWordBeforeCaret(); }
        if (events_) { events_->OnMouseDown(button, shift, x, y); }
        if (!*alive) { return; }
        // A right click leaves the caret where it is.
        if (button == 2) {
            SetFocus(engine_);
        } else {
            ret = subclasser_.CallOrigWndProc(msg, wParam, lParam);
        }
        if (*alive) { ReportSelChange(false); }
        return;
    }
    if (button != 2) { ret = subclasser_.CallOrigWndProc(msg, wParam, lParam); }
    if (events_) { events_->OnMouseUp(button, shift, x, y); }
    if (*alive) { ReportSelChange(false); }
}

// ---- case and indentation

void CodeEdit::NormalizeWordBeforeCaret()
{
    if (!normalizeCase_ || !styler_ || styler_->CaseSensitive()) { return; }
    const sptr_t caret = Call(SCI_GETCURRENTPOS);
    const sptr_t lineStart = LineStart(LineOf(caret));
    sptr_t start = caret;
    while (start > lineStart && IsWordByte(static_cast<char>(Call(SCI_GETCHARAT, start - 1)))) { --start; }
    if (start == caret) { return; }
    Call(SCI_COLOURISE, 0, caret);
    const int style = static_cast<int>(Call(SCI_GETSTYLEAT, start));
    if (style == kStyleComment || style == kStyleString) { return; }
    const std::string word = TextRange(start, caret);
    const std::string spelling = styler_->KeywordSpelling(word);
    if (spelling.empty() || spelling == word) { return; }
    const sptr_t anchor = Call(SCI_GETANCHOR);
    Call(SCI_SETTARGETRANGE, start, caret);
    Call(SCI_REPLACETARGET, spelling.size(), reinterpret_cast<sptr_t>(spelling.data()));
    Call(SCI_SETSEL, anchor, caret);
}

void CodeEdit::InsertNewLine()
{
    Call(SCI_BEGINUNDOACTION);
    NormalizeWordBeforeCaret();
    const std::string indent =
        autoIndentMode_ ? LeadingIndent(GetLine(GetSel(false).endLine)) : std::string();
    Call(SCI_NEWLINE);
    if (!indent.empty()) { Call(SCI_ADDTEXT, indent.size(), reinterpret_cast<sptr_t>(indent.data())); }
    Call(SCI_ENDUNDOACTION);
}

// ---- completion list and tips

void CodeEdit::RequestCodeList()
{
    list_.Reset();
    if (!events_ || !events_->OnCodeListWanted(list_)) { return; }
    const sptr_t caret = Call(SCI_GETCURRENTPOS);
    sptr_t start = caret;
    while (start > LineStart(LineOf(caret)) &&
           IsWordByte(static_cast<char>(Call(SCI_GETCHARAT, start - 1)))) {
        --start;
    }
    list_.Show(static_cast<int>(caret - start));
}

void CodeEdit::CommitCodeList()
{
    auto alive = AliveToken();
    if (events_) { events_->OnCodeListCommit(list_); }
    if (*alive && list_.IsOpen()) { list_.Close(); }
    if (*alive && hoverTip_) { ShowWindow(hoverTip_, SW_HIDE); }
}

void CodeEdit::CancelCodeList()
{
    if (events_) { events_->OnCodeListCancel(list_); }
    list_.Close();
    if (hoverTip_) { ShowWindow(hoverTip_, SW_HIDE); }
}

void CodeEdit::ShowHoverTip()
{
    const std::string text = events_ ? events_->OnCodeListHover(list_) : std::string();
    if (!hoverTip_) {
        hoverTip_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "STATIC", "",
                                    WS_POPUP | WS_BORDER | SS_LEFT, 0, 0, 0, 0, engine_, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        SendMessageA(hoverTip_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    }
    if (text.empty()) {
        ShowWindow(hoverTip_, SW_HIDE);
        return;
    }
    // Beside the caret line's list: right of the caret by the list's width.
    const sptr_t caret = Call(SCI_GETCURRENTPOS);
    POINT at{static_cast<LONG>(Call(SCI_POINTXFROMPOSITION, 0, caret)) + 260,
             static_cast<LONG>(Call(SCI_POINTYFROMPOSITION, 0, caret) + Call(SCI_TEXTHEIGHT, 0))};
    ClientToScreen(engine_, &at);
    HDC dc = GetDC(hoverTip_);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(hoverTip_, dc);
    SetWindowTextA(hoverTip_, text.c_str());
    SetWindowPos(hoverTip_, HWND_TOPMOST, at.x, at.y, size.cx + 8, size.cy + 4,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CodeEdit::ShowCodeTip()
{
    tipRequested_ = true;
    auto alive = AliveToken();
    const int kind = events_ ? events_->OnCodeTipWanted() : 0;
    if (!*alive) { return; }
    if (kind != 4) {
        Call(SCI_CALLTIPCANCEL);
        return;
    }
    tip_.Begin();
    if (events_) { events_->OnCodeTipSetup(tip_); }
    if (!*alive) { return; }
    if (tip_.Closed() || tip_.Text().empty()) {
        Call(SCI_CALLTIPCANCEL);
        return;
    }
    if (!tip_.FontName().empty()) {
        Call(SCI_STYLESETFONT, STYLE_CALLTIP, reinterpret_cast<sptr_t>(tip_.FontName().c_str()));
    }
    Call(SCI_CALLTIPSHOW, Call(SCI_GETCURRENTPOS), reinterpret_cast<sptr_t>(tip_.Text().c_str()));
    const auto span = ArgumentSpan(tip_.Text(), tip_.Argument());
    Call(SCI_CALLTIPSETHLT, span.first, span.second);
}

}  // namespace kforge
