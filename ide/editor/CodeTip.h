#pragma once
// The call tip of a CodeEdit, handed to the host's OnCodeTipSetup: a text
// shown below the caret line with one argument highlighted.

#include <string>

namespace kforge {

class CodeTip {
public:
    CodeTip() = default;
    CodeTip(const CodeTip&) = delete;
    CodeTip& operator=(const CodeTip&) = delete;

    void SetText(const std::string& text) { text_ = text; }
    // The n-th (from 0) comma-separated argument between the text's first
    // "(" and its ")" is highlighted; out of range highlights nothing.
    void SetArgument(int n) { argument_ = n; }
    void SetFontName(const std::string& face) { fontName_ = face; }
    // The tip is not shown (or goes away).
    void Close() { closed_ = true; }

    // The editor's side: a fresh set-up keeps the last text and font.
    void Begin() { closed_ = false; }
    const std::string& Text() const { return text_; }
    int Argument() const { return argument_; }
    const std::string& FontName() const { return fontName_; }
    bool Closed() const { return closed_; }

private:
    std::string text_;
    std::string fontName_;
    int argument_ = -1;
    bool closed_ = false;
};

}  // namespace kforge
