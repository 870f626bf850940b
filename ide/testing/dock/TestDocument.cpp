#include "TestDocument.h"

namespace kforge {

TestDocument::TestDocument(HWND parent, const std::string& text)
    : hwnd_(CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", text.c_str(), WS_CHILD | ES_MULTILINE, 0, 0, 10, 10,
                            parent, nullptr, GetModuleHandleA(nullptr), nullptr))
{
}

TestDocument::~TestDocument()
{
    if (IsWindow(hwnd_)) { DestroyWindow(hwnd_); }
}

}  // namespace kforge
