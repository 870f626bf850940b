#pragma once
// The Start Page: the first document window's content, an empty white page
// inside a thin grey frame at any size. It has no commands; asked for its
// state it answers with the empty file name and false.

#include "IDocument.h"
#include "Window.h"

namespace kforge {

class StartPage : public Window, public IDocument {
public:
    StartPage() = default;
    bool Create(HWND parent);

    HWND Hwnd() const override { return Window::Hwnd(); }
    bool IsEditor() const override { return false; }
    CodeEdit* Editor() override { return nullptr; }
    std::string FileName() const override { return ""; }
    void SetFileName(const std::string&) override {}
    bool DocChanged() const override { return false; }
    void SetDocChanged(bool) override {}
    void SetModuleLabel(const std::string&) override {}
    bool FileClose() const override { return false; }
    bool FileSave() const override { return false; }
    bool FileSaveAs() const override { return false; }
    bool FileSaveAll() const override { return false; }
    bool BuildBuild() const override { return false; }
    bool BuildExecute() const override { return false; }
    bool BuildAll() const override { return false; }
    bool CanUndo() const override { return false; }
    bool CanRedo() const override { return false; }
    bool CanCopy() const override { return false; }
    bool CanCut() const override { return false; }
    bool CanPaste() const override { return false; }
    bool CanDelete() const override { return false; }

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc);
};

}  // namespace kforge
