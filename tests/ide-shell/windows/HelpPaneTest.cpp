// The Help pane in a window of its own: the "Help Pane" label, an empty
// place when the program has no picture, and the picture kept 100 twips
// from the right edge as the pane is resized, also when it gets narrower
// than the picture.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Gdi.h"
#include "HelpPane.h"

namespace kforge::test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kPictureWidth = 32;
constexpr int kPictureHeight = 16;
// 100 twips at 15 twips to the pixel, rounded to the nearest pixel.
constexpr int kMarginPixels = 7;

HWND MakeHost()
{
    return CreateWindowExA(0, "STATIC", "help pane host", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                           20, 20, 420, 260, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HBITMAP RedPicture()
{
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, kPictureWidth, kPictureHeight);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, picture);
    const RECT all{0, 0, kPictureWidth, kPictureHeight};
    HBRUSH red = CreateSolidBrush(kRed);
    FillRect(dc, &all, red);
    DeleteObject(red);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return picture;
}

// A child's rectangle in its parent's client pixels.
RECT PlaceOf(HWND child)
{
    RECT rc{};
    GetWindowRect(child, &rc);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

class HelpPaneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_ = MakeHost();
        ASSERT_NE(host_, nullptr);
        pane_ = std::make_unique<HelpPane>(host_, RECT{0, 0, 300, 200});
        ASSERT_NE(pane_->Hwnd(), nullptr);
        ASSERT_EQ(TwipsPerPixelX(), 15) << "the margins below are for 96 dpi";
    }

    void TearDown() override
    {
        pane_.reset();
        DestroyWindow(host_);
    }

    void Resize(int width) { MoveWindow(pane_->Hwnd(), 0, 0, width, 200, TRUE); }

    HWND host_ = nullptr;
    std::unique_ptr<HelpPane> pane_;
};

TEST_F(HelpPaneTest, ShowsItsTitleInTahoma)
{
    HWND label = FindWindowExA(pane_->Hwnd(), nullptr, "Static", "Help Pane");
    ASSERT_NE(label, nullptr) << "no \"Help Pane\" label";
    EXPECT_TRUE(IsWindowVisible(label));
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "Tahoma");
}

TEST_F(HelpPaneTest, WithoutItsPictureResourceThePictureTakesNoRoom)
{
    const RECT place = PlaceOf(pane_->PictureWindow());
    EXPECT_EQ(place.right - place.left, 0);
    EXPECT_EQ(place.bottom - place.top, 0);
    Resize(150);
    EXPECT_EQ(PlaceOf(pane_->PictureWindow()).left, 150 - kMarginPixels);
}

TEST_F(HelpPaneTest, ThePictureStays100TwipsFromTheRightEdge)
{
    pane_->SetPicture(RedPicture());
    // Wide, narrow, exactly the picture and its margin, and narrower than
    // that: the picture then moves out of view on the left.
    for (int width : {300, 420, 120, kPictureWidth + kMarginPixels, 20, 0}) {
        SCOPED_TRACE("pane width " + std::to_string(width));
        Resize(width);
        const RECT place = PlaceOf(pane_->PictureWindow());
        EXPECT_EQ(place.left, width - kPictureWidth - kMarginPixels);
        EXPECT_EQ(place.right - place.left, kPictureWidth);
        EXPECT_EQ(place.bottom - place.top, kPictureHeight);
    }
    Resize(300);
    UpdateWindow(pane_->Hwnd());
    HDC dc = GetDC(pane_->PictureWindow());
    EXPECT_EQ(GetPixel(dc, kPictureWidth / 2, kPictureHeight / 2), kRed) << "the picture is not drawn";
    ReleaseDC(pane_->PictureWindow(), dc);
}

}  // namespace
}  // namespace kforge::test
