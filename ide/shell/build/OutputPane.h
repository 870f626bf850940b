#pragma once
// The Output pane: a view selector over one read-only text box. The pane
// owns the tool output, what the last tool wrote (the command runner
// appends to it); the view " Output" shows it, and " Compiler", " Linker"
// and " Library" show the error files that bcc32, ilink32 and tlib left in
// the current folder. A child window, hosted by the docking pane
// "frmOutput", that lays its controls out to its own size.

#include <string>

#include "FlatCtl.h"
#include "OutputSink.h"
#include "Window.h"

namespace kforge {

class OutputPane : public Window, public OutputSink {
public:
    OutputPane() = default;
    ~OutputPane() override;

    // Creates the pane as a child of parent at rect (parent's client pixels).
    bool Create(HWND parent, const RECT& rect);

    // Shows " Output" in the selector, without the change a user's choice makes.
    void SelectOutputView();
    // The tool output; the box shows each change of it.
    const std::string& OutputText() const { return outputText_; }
    void SetOutput(const std::string& text);
    void ClearOutput() override;
    void AppendOutput(const std::string& text) override;
    HWND Edit() const { return text_; }
    HWND ViewSelector() const { return selector_; }

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    void Layout();
    void OnViewChosen();
    std::string ReadErrorFileView(const char* errorFile) const;
    void PaintFrame();

    HWND selector_ = nullptr;  // the view combo
    HWND text_ = nullptr;      // the text box
    FlatCtl selectorLook_;     // the selector's flat border
    HFONT font_ = nullptr;
    RECT frame_{};            // the line drawn around the text box
    std::string outputText_;  // the tool output
};

}  // namespace kforge
