#include "DocUnderTest.h"

#include "SourceStyler.h"

namespace kforge {

bool DocUnderTest::Open(HWND parent, const RECT& rect, const std::string& path)
{
    doc_ = std::make_unique<EditorDoc>(&host_);
    if (!doc_->Create(parent, rect)) { return false; }
    doc_->LoadFile(path);
    return doc_->FileName() == path;
}

HWND DocUnderTest::TypingWindow() const { return doc_->Editor()->EngineWindow(); }

long DocUnderTest::TextLength() const { return static_cast<long>(doc_->Editor()->Call(SCI_GETLENGTH)); }

int DocUnderTest::LineCount() const { return doc_->Editor()->GetLineCount(); }

void DocUnderTest::PutCaretAtLineEnd(int line)
{
    const int end = static_cast<int>(doc_->Editor()->GetLine(line).size());
    doc_->Editor()->SetSel(Range{line, end, line, end}, true);
}

std::string DocUnderTest::Line(int line) const { return doc_->Editor()->GetLine(line); }

// The module begins with a comment, and every line on screen is coloured.
std::string DocUnderTest::ScreenFault() const
{
    const CodeEdit& editor = *doc_->Editor();
    if (editor.Call(SCI_GETSTYLEAT, 0) != kStyleComment) {
        return "the first line is not coloured as a comment";
    }
    const sptr_t lastOnScreen = editor.Call(SCI_GETFIRSTVISIBLELINE) + editor.Call(SCI_LINESONSCREEN) - 1;
    const sptr_t styledTo = editor.Call(SCI_GETENDSTYLED);
    if (styledTo < editor.Call(SCI_GETLINEENDPOSITION, lastOnScreen)) {
        return "the lines on screen are not all coloured";
    }
    return "";
}

}  // namespace kforge
