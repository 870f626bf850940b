#pragma once
// A document for the docking host's tests: a white child window that shows
// its caption, answering the shell's questions with false.

#include <string>

#include "IDocument.h"

namespace kforge {

class TestDocument : public IDocument {
public:
    TestDocument(HWND parent, const std::string& text);
    TestDocument(const TestDocument&) = delete;
    TestDocument& operator=(const TestDocument&) = delete;
    ~TestDocument() override;

    HWND Hwnd() const override { return hwnd_; }
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
    HWND hwnd_;
};

}  // namespace kforge
