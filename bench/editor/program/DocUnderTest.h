#pragma once
// The editor document as the shell opens a file: a new document window,
// then LoadFile.

#include <memory>

#include "EditorDoc.h"
#include "IDocumentHost.h"
#include "TextUnderTest.h"

namespace kforge {

class DocUnderTest : public TextUnderTest {
public:
    explicit DocUnderTest(IDocumentHost& host) : host_(host) {}

    bool Open(HWND parent, const RECT& rect, const std::string& path) override;
    HWND TypingWindow() const override;
    long TextLength() const override;
    int LineCount() const override;
    void PutCaretAtLineEnd(int line) override;
    std::string Line(int line) const override;
    std::string ScreenFault() const override;

private:
    IDocumentHost& host_;
    std::unique_ptr<EditorDoc> doc_;
};

}  // namespace kforge
