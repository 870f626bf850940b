#include "StartPage.h"

#include "Gdi.h"

namespace kforge {

namespace {

const COLORREF kFrame = RGB(128, 128, 128);
const COLORREF kPage = RGB(255, 255, 255);
constexpr int kBandTwips = 15;  // the frame's width

}  // namespace

bool StartPage::Create(HWND parent)
{
    WindowSpec spec;
    spec.className = "KStartPage";
    spec.classStyle = CS_HREDRAW | CS_VREDRAW;
    spec.style = WS_CHILD | WS_CLIPSIBLINGS;
    spec.parent = parent;
    return Window::Create(spec);
}

void StartPage::Paint(HDC dc)
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    HBRUSH frame = CreateSolidBrush(kFrame);
    FillRect(dc, &client, frame);
    DeleteObject(frame);
    RECT page = client;
    InflateRect(&page, -TwipsToPixelsX(kBandTwips), -TwipsToPixelsY(kBandTwips));
    HBRUSH white = CreateSolidBrush(kPage);
    FillRect(dc, &page, white);
    DeleteObject(white);
}

LRESULT StartPage::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Hwnd(), &ps);
            Paint(dc);
            EndPaint(Hwnd(), &ps);
            return 0;
        }
    }
    return Window::OnMessage(msg, wParam, lParam);
}

}  // namespace kforge
