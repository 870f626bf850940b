#pragma once
// The source editor control: a thin layer over a Scintilla window that it
// holds as its only child. Lines and columns are 0-based and a column counts
// bytes (code page 0, a tab is one byte). Every member is safe on an empty
// text and clamps lines and columns. The host learns what happens through
// its ICodeEditEvents.

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "CodeList.h"
#include "CodeTip.h"
#include "EditRange.h"
#include "ISubclass.h"
#include "Scintilla.h"
#include "SearchSpec.h"
#include "Subclasser.h"
#include "Window.h"

namespace kforge {

class ICodeEditEvents;
class SourceStyler;

class CodeEdit : public Window, private ISubclass {
public:
    // Commands of ExecuteCmd.
    enum Command {
        kCmdListCommitShow = 104,  // make the caret visible
        kCmdSelectWordEnd = 112,   // select from the caret to the end of its word
        kCmdUndo = 129,
        kCmdSelectAll = 137,
        kCmdRedo = 139,
        kCmdPaste = 140,
        kCmdGoToLine = 168,
        kCmdReplace = 169,
        kCmdFindNext = 176,
        kCmdFind = 178,
        kCmdDelete = 195,
        kCmdCut = 197,
        kCmdCopy = 198,
        kCmdCodeTip = 243,
    };
    // Results of HitTest.
    enum HitArea { kHitNone = 0, kHitMargin = 1, kHitText = 4 };
    // The notice of OnNotify for a search that found nothing.
    static constexpr int kNotifyNotFound = 4;

    CodeEdit();
    ~CodeEdit() override;

    // Registers the engine's window class once per process.
    static bool RegisterEngine();
    bool Create(HWND parent, int id, const RECT& rect);
    void SetEvents(ICodeEditEvents* events) { events_ = events; }

    // Text and files.
    std::string Text() const;
    void SetText(const std::string& text);
    bool OpenFile(const std::string& path);
    bool SaveFile(const std::string& path, bool unused = false) const;
    bool PrintContents(HDC printer);

    // Settings.
    void SetFont(const std::string& face, double points);
    void SetColorSyntax(bool on);
    void SetShowLeftMargin(bool on);
    void SetShowWhitespace(bool on);
    void SetNormalizeCase(bool on) { normalizeCase_ = on; }
    void SetAutoIndentMode(int mode) { autoIndentMode_ = mode; }
    void SetTabSize(int size);
    void SetLanguage(const std::string& name);
    void SetColor(int slot, COLORREF color);
    COLORREF GetColor(int slot) const;
    void SetFontStyle(int slot, int value);
    int GetFontStyle(int slot) const;
    int TabSize() const;
    bool NormalizeCase() const { return normalizeCase_; }
    int AutoIndentMode() const { return autoIndentMode_; }
    const std::string& LanguageName() const { return languageName_; }

    // Queries and editing.
    bool CanUndo() const;
    bool CanRedo() const;
    bool CanCut() const;
    bool CanCopy() const;
    bool CanPaste() const;
    Range GetSel(bool normalized) const;
    void SetSel(const Range& range, bool ensureVisible);
    std::string GetLine(int line) const;
    int GetLineCount() const;
    std::string GetCurrentWord() const;
    void ReplaceSel(const std::string& text);
    int HitTest(int x, int y, int flags) const;
    void ExecuteCmd(int cmd, int arg = -1);

    // Searching, as the find and replace dialogs do it.
    bool FindText(const SearchSpec& spec);
    bool ReplaceOnce(const SearchSpec& spec);
    int ReplaceAllText(const SearchSpec& spec);
    void GoToLine(int line);

    // The completion list and the call tip as they are now.
    const CodeList& List() const { return list_; }
    const CodeTip& Tip() const { return tip_; }
    bool TipShown() const { return Call(SCI_CALLTIPACTIVE) != 0; }

    // The engine's window and its direct function, for what the layer does
    // not wrap (reading styles, tests).
    HWND EngineWindow() const { return engine_; }
    sptr_t Call(unsigned msg, uptr_t wParam = 0, sptr_t lParam = 0) const;

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void SubclassBefore(bool& handled, LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam,
                        LPARAM lParam) override;
    void SubclassAfter(LRESULT&, HWND, UINT, WPARAM, LPARAM) override {}

    void OnEngineNotify(const SCNotification& note);
    bool OnKeyDownMsg(WPARAM vk);
    bool OnCharMsg(WPARAM ch);
    void OnMouseMsg(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled, LRESULT& ret);

    // Positions and lines.
    sptr_t Length() const;
    sptr_t LineStart(int line) const;
    sptr_t LineEndPos(int line) const;
    sptr_t PositionOf(int line, int col) const;
    int LineOf(sptr_t pos) const;
    int ClampLine(int line) const;
    std::string TextRange(sptr_t start, sptr_t end) const;

    // Events and their guards.
    void ReportSelChange(bool force);
    void ReportChange();
    bool Notify(int code);

    // Behaviour.
    void LoadBuffer(const std::string& bytes);
    void StyleNeeded(sptr_t endPos);
    void Restyle();
    void ApplyColors();
    void NormalizeWordBeforeCaret();
    void InsertNewLine();
    void RequestCodeList();
    void CommitCodeList();
    void CancelCodeList();
    void ShowHoverTip();
    void ShowCodeTip();
    void CopySelection(bool cut);
    void Paste();
    void RunFindDialog();
    void RunReplaceDialog();
    void RunGoToDialog();
    bool Search(const SearchSpec& spec, sptr_t from, sptr_t to);

    HWND engine_ = nullptr;
    SciFnDirect direct_ = nullptr;
    sptr_t directPointer_ = 0;
    Subclasser subclasser_;
    ICodeEditEvents* events_ = nullptr;
    CodeList list_;
    CodeTip tip_;
    HWND hoverTip_ = nullptr;
    HFONT font_ = nullptr;

    std::string languageName_;
    std::unique_ptr<SourceStyler> styler_;
    int registryListener_ = 0;
    bool colorSyntax_ = true;
    bool normalizeCase_ = false;
    int autoIndentMode_ = 0;
    std::map<int, COLORREF> colors_;
    std::map<int, int> fontStyles_;

    SearchSpec lastSearch_;
    bool searched_ = false;

    // Event state: changes are not reported while loading; a selection change
    // is reported when the selection moved or the text changed since the
    // last report.
    int quiet_ = 0;
    bool changedSinceReport_ = false;
    sptr_t reportedAnchor_ = -1;
    sptr_t reportedCaret_ = -1;
    bool tipRequested_ = false;
    WPARAM skipChar_ = 0;  // the character of a key that committed the list
};

}  // namespace kforge
