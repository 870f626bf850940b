#include "EditUnderTest.h"

#include <fstream>
#include <iterator>

#include "Gdi.h"

namespace kforge {

EditUnderTest::~EditUnderTest()
{
    if (edit_) { DestroyWindow(edit_); }
    if (font_) { DeleteObject(font_); }
}

bool EditUnderTest::Open(HWND parent, const RECT& rect, const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) { return false; }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    edit_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                ES_AUTOHSCROLL | ES_NOHIDESEL,
                            rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!edit_) { return false; }
    // The editor asks for the same face and size.
    font_ = MakeFont("Courier New", 10, false, true);
    SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    // Without this a multi-line control takes no typing past 30,000 characters.
    SendMessageA(edit_, EM_SETLIMITTEXT, 0, 0);
    return SendMessageA(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != FALSE;
}

long EditUnderTest::TextLength() const { return GetWindowTextLengthA(edit_); }

int EditUnderTest::LineCount() const { return static_cast<int>(SendMessageA(edit_, EM_GETLINECOUNT, 0, 0)); }

void EditUnderTest::PutCaretAtLineEnd(int line)
{
    const LRESULT start = SendMessageA(edit_, EM_LINEINDEX, line, 0);
    const LRESULT end = start + SendMessageA(edit_, EM_LINELENGTH, start, 0);
    SendMessageA(edit_, EM_SETSEL, end, end);
    SendMessageA(edit_, EM_SCROLLCARET, 0, 0);
}

std::string EditUnderTest::Line(int line) const
{
    const LRESULT start = SendMessageA(edit_, EM_LINEINDEX, line, 0);
    const LRESULT length = SendMessageA(edit_, EM_LINELENGTH, start, 0);
    // EM_GETLINE reads the buffer size from the buffer's first WORD.
    std::string text(static_cast<size_t>(length) + sizeof(WORD), '\0');
    *reinterpret_cast<WORD*>(&text[0]) = static_cast<WORD>(text.size());
    const LRESULT copied = SendMessageA(edit_, EM_GETLINE, line, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::string EditUnderTest::ScreenFault() const
{
    return SendMessageA(edit_, EM_GETFIRSTVISIBLELINE, 0, 0) == 0
               ? ""
               : "the control does not show the first line";
}

}  // namespace kforge
