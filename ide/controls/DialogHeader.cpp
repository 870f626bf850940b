#include "DialogHeader.h"

#include "WindowText.h"

namespace kforge {

namespace {

constexpr int kMargin = 12;  // around the picture and the text

}  // namespace

DialogHeader::~DialogHeader()
{
    if (picture_) { DeleteObject(picture_); }
}

bool DialogHeader::Create(HWND parent, const RECT& rect, const std::string& bitmapName,
                          const std::string& text, HFONT font)
{
    font_ = font;
    if (!picture_) {
        picture_ = static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), bitmapName.c_str(), IMAGE_BITMAP, 0, 0, 0));
    }
    WindowSpec spec;
    spec.className = "KDialogHeader";
    spec.background = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    spec.style = WS_CHILD | WS_VISIBLE;
    spec.title = text;
    spec.rect = rect;
    spec.parent = parent;
    return Window::Create(spec);
}

LRESULT DialogHeader::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Hwnd(), &paint);
        Paint(dc);
        EndPaint(Hwnd(), &paint);
        return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

void DialogHeader::Paint(HDC dc)
{
    RECT client;
    GetClientRect(Hwnd(), &client);
    int textLeft = kMargin;
    if (picture_) {
        BITMAP shape{};
        GetObjectA(picture_, sizeof shape, &shape);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, picture_);
        const int top = (client.bottom - shape.bmHeight) / 2;
        BitBlt(dc, kMargin, top, shape.bmWidth, shape.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        textLeft += shape.bmWidth + kMargin;
    }
    RECT textRect{textLeft, kMargin / 2, client.right - kMargin, client.bottom - kMargin / 2};
    HGDIOBJ oldFont = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    std::string text = WindowText(Hwnd());
    // Centred vertically: measure the wrapped text first.
    RECT measured = textRect;
    DrawTextA(dc, text.c_str(), -1, &measured, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    const int spare = (textRect.bottom - textRect.top) - (measured.bottom - measured.top);
    if (spare > 0) { textRect.top += spare / 2; }
    DrawTextA(dc, text.c_str(), -1, &textRect, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    RECT line{client.left, client.bottom - 2, client.right, client.bottom};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

}  // namespace kforge
