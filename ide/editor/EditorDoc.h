#pragma once
// The editor document: one window per open file. It holds the CodeEdit,
// the module label and the procedure list above it, chooses and applies the
// syntax definition of its file, and turns the editor's events into status
// texts, command-state refreshes, the keyword list, call tips and navigator
// rebuilds. It reaches the main window only through its IDocumentHost.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "CodeEdit.h"
#include "FlatCtl.h"
#include "ICodeEditEvents.h"
#include "IDocument.h"
#include "IDocumentHost.h"
#include "SyntaxDef.h"
#include "Window.h"

namespace kforge {

class EditorDoc : public Window, public IDocument, private ICodeEditEvents {
public:
    // The registry key whose values name the syntax file of an extension.
    static constexpr const char* kSyntaxKey = "SOFTWARE\\MERIDAX\\Kiln Forge\\Syntax";

    explicit EditorDoc(IDocumentHost* host);
    ~EditorDoc() override;
    bool Create(HWND parent, const RECT& rect);

    // IDocument.
    HWND Hwnd() const override { return Window::Hwnd(); }
    bool IsEditor() const override { return true; }
    CodeEdit* Editor() override { return &editor_; }
    std::string FileName() const override { return fileName_; }
    void SetFileName(const std::string& path) override;
    bool DocChanged() const override { return docChanged_; }
    void SetDocChanged(bool changed) override { docChanged_ = changed; }
    void SetModuleLabel(const std::string& text) override;
    bool FileClose() const override { return loaded_; }
    bool FileSave() const override { return loaded_; }
    bool FileSaveAs() const override { return loaded_; }
    bool FileSaveAll() const override { return loaded_; }
    bool BuildBuild() const override { return loaded_; }
    bool BuildExecute() const override { return loaded_; }
    bool BuildAll() const override { return loaded_; }
    bool CanUndo() const override { return editor_.CanUndo(); }
    bool CanRedo() const override { return editor_.CanRedo(); }
    bool CanCopy() const override { return editor_.CanCopy(); }
    bool CanCut() const override { return editor_.CanCut(); }
    bool CanPaste() const override { return editor_.CanPaste(); }
    bool CanDelete() const override { return editor_.CanCut(); }

    void LoadFile(const std::string& path);
    void LoadSettings(const std::string& path);
    void ParseLine(const std::string& line, int col, const std::string& escape);
    void BuildProcList();
    std::string ModuleName() const { return moduleName_; }
    std::string CurrentPosition() const;
    // "Position : " and the caret's line and column, each counted from 1.
    std::string PositionStatus() const;
    std::string CurrentLine() const;
    std::string Tag() const { return tag_; }
    void SetTag(const std::string& tag) { tag_ = tag; }
    std::string ModuleLabel() const;
    const SyntaxDef& Syntax() const { return syntax_; }
    // The syntax file the document takes for a file path.
    static std::string SyntaxFileFor(const std::string& path);

    // The navigator's lists and the label's panel, for the shell's look.
    HWND ObjectList() const { return combo1_; }
    HWND ProcList() const { return combo2_; }
    HWND LabelPanel() const { return picture1_; }

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Layout(int width, int height);
    void Paint();
    void OnProcListCommand(int code);
    void CommitChoice(CodeList& list);
    std::string ArgumentFilePath() const;
    int CaretLine() const { return editor_.GetSel(true).startLine; }

    // ICodeEditEvents.
    void OnSelChange() override;
    void OnChange() override { docChanged_ = true; }
    bool OnNotify(int code) override;
    void OnKeyDown(int vk, int shift) override;
    void OnKeyUp(int vk, int shift) override;
    bool OnKeyPress(int ch, int shift) override;
    void OnMouseDown(int button, int shift, int x, int y) override;
    void OnMouseUp(int button, int shift, int x, int y) override;
    bool OnCodeListWanted(CodeList& list) override;
    void OnCodeListCommit(CodeList& list) override;
    void OnCodeListCancel(CodeList& list) override;
    std::string OnCodeListHover(CodeList& list) override;
    int OnCodeTipWanted() override;
    void OnCodeTipSetup(CodeTip& tip) override;

    IDocumentHost* host_;
    CodeEdit editor_;
    HWND picture1_ = nullptr;
    HWND label1_ = nullptr;
    HWND combo1_ = nullptr;
    HWND combo2_ = nullptr;
    HWND image1_ = nullptr;
    // The flat borders of the label's panel and the procedure list.
    FlatCtl panelLook_;
    FlatCtl procListLook_;
    HFONT font_ = nullptr;
    HICON picicon_ = nullptr;
    HIMAGELIST listImages_ = nullptr;
    RECT shape1_{};

    bool loaded_ = false;
    std::string fileName_;
    std::string moduleName_;
    std::string tag_;
    bool docChanged_ = false;
    SyntaxDef syntax_;
    bool listOpen_ = false;
    CodeList* activeList_ = nullptr;
    int tipArgument_ = -1;
    std::string tipText_;
    std::string chosenItemText_;
    bool leftButtonDown_ = false;
    int lastCaretLine_ = 0;
    bool updating_ = false;
    bool procListArmed_ = false;
};

}  // namespace kforge
