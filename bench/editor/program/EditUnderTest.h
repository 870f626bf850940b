#pragma once
// The reference: the file's text in a plain multi-line EDIT control, in the
// editor's monospace font.

#include "TextUnderTest.h"

namespace kforge {

class EditUnderTest : public TextUnderTest {
public:
    EditUnderTest() = default;
    EditUnderTest(const EditUnderTest&) = delete;
    EditUnderTest& operator=(const EditUnderTest&) = delete;
    ~EditUnderTest() override;

    bool Open(HWND parent, const RECT& rect, const std::string& path) override;
    HWND TypingWindow() const override { return edit_; }
    long TextLength() const override;
    int LineCount() const override;
    void PutCaretAtLineEnd(int line) override;
    std::string Line(int line) const override;
    std::string ScreenFault() const override;

private:
    HWND edit_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace kforge
