#pragma once
// The Output pane: a view selector over one read-only text box. The view
// " Output" shows what the last tool wrote; " Compiler", " Linker" and
// " Library" show the error files that bcc32, ilink32 and tlib left in the
// current folder. The tool output is kept while a file view is shown and
// comes back with " Output". A child window, hosted by the docking pane
// "frmOutput", that lays its controls out to its own size.

#include <string>

#include "FlatCtl.h"
#include "Window.h"

namespace kforge {

class OutputPane : public Window {
public:
    OutputPane() = default;
    ~OutputPane() override;

    // Creates the pane as a child of parent at rect (parent's client pixels).
    bool Create(HWND parent, const RECT& rect);

    // Shows " Output" in the selector, without the change a user's choice makes.
    void SelectOutputView();
    void SetText(const std::string& text);
    void Clear();
    // The text box, where the command runner writes.
    HWND Edit() const { return text_; }
    HWND ViewSelector() const { return selector_; }

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    void Layout();
    void OnSelectorFocus();
    void OnViewChosen();
    std::string ReadErrorFileView(const char* errorFile) const;
    void PaintFrame();

    HWND selector_ = nullptr;  // the view combo
    HWND text_ = nullptr;      // the text box
    FlatCtl selectorLook_;     // the selector's flat border
    HFONT font_ = nullptr;
    RECT frame_{};            // the line drawn around the text box
    std::string outputText_;  // the tool output, kept while a file view is shown
};

}  // namespace kforge
