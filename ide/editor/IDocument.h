#pragma once
// What the shell asks of a document window: an editor document or the Start
// Page. The shell reads the file name, the change state and the command
// state of the active document through it; the Start Page answers with the
// empty text and false.

#include <windows.h>

#include <string>

namespace kforge {

class CodeEdit;

class IDocument {
public:
    virtual ~IDocument() = default;

    virtual HWND Hwnd() const = 0;
    // True for an editor document, false for the Start Page.
    virtual bool IsEditor() const = 0;
    // The document's editing surface; null for the Start Page.
    virtual CodeEdit* Editor() = 0;
    // The document's file, empty when unnamed; trimmed where it is set, so
    // its users take it as it is.
    virtual std::string FileName() const = 0;
    virtual void SetFileName(const std::string& path) = 0;
    virtual bool DocChanged() const = 0;
    virtual void SetDocChanged(bool changed) = 0;
    // The caption of the document's module label.
    virtual void SetModuleLabel(const std::string& text) = 0;

    // Which file and build commands the document allows.
    virtual bool FileClose() const = 0;
    virtual bool FileSave() const = 0;
    virtual bool FileSaveAs() const = 0;
    virtual bool FileSaveAll() const = 0;
    virtual bool BuildBuild() const = 0;
    virtual bool BuildExecute() const = 0;
    virtual bool BuildAll() const = 0;

    // Which edit commands apply now.
    virtual bool CanUndo() const = 0;
    virtual bool CanRedo() const = 0;
    virtual bool CanCopy() const = 0;
    virtual bool CanCut() const = 0;
    virtual bool CanPaste() const = 0;
    virtual bool CanDelete() const = 0;
};

}  // namespace kforge
