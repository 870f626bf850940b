#pragma once
// A text window a benchmark opens a file in and types into: the editor
// document, or the plain multi-line EDIT control measured as the reference.
// Its window ends with the object.

#include <windows.h>

#include <string>

namespace kforge {

class TextUnderTest {
public:
    virtual ~TextUnderTest() = default;

    // Creates the window at rect in parent and opens the file in it; false
    // when either fails.
    virtual bool Open(HWND parent, const RECT& rect, const std::string& path) = 0;
    // The window that has the focus while typing.
    virtual HWND TypingWindow() const = 0;
    virtual long TextLength() const = 0;
    virtual int LineCount() const = 0;
    // Puts the caret at the end of a 0-based line and scrolls it into view.
    virtual void PutCaretAtLineEnd(int line) = 0;
    virtual std::string Line(int line) const = 0;
    // Why the first painted screen is not what the file should show, or ""
    // when it is.
    virtual std::string ScreenFault() const = 0;
};

}  // namespace kforge
