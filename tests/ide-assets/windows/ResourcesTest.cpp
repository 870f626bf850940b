// kforge's resources as the program loads them: every icon and bitmap by
// name, with its sizes and depth, the masks the image lists rely on, the
// order of the icon indexes and the version block.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Version.h"

namespace {

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

BitmapHandle LoadBitmapResource(const char* name, UINT flags)
{
    return BitmapHandle(static_cast<HBITMAP>(LoadImageA(Self(), name, IMAGE_BITMAP, 0, 0, flags)));
}

// The pixel (x, y) of a bitmap, read through a memory surface.
COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return colour;
}

const BITMAPINFOHEADER* StoredHeader(const char* name)
{
    HRSRC found = FindResourceA(Self(), name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (!found) { return nullptr; }
    return static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Self(), found)));
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names)
{
    if (!IS_INTRESOURCE(name)) { reinterpret_cast<std::vector<std::string>*>(names)->push_back(name); }
    return TRUE;
}

constexpr COLORREF kMask = RGB(255, 0, 255);

struct BitmapCase {
    const char* name;
    int width;
    int height;
    int bits;
};

class Bitmaps : public testing::TestWithParam<BitmapCase> {};

TEST_P(Bitmaps, LoadByNameWithTheirSizeAndDepth)
{
    const BitmapCase& expected = GetParam();
    const BITMAPINFOHEADER* header = StoredHeader(expected.name);
    ASSERT_NE(header, nullptr) << "no bitmap resource " << expected.name;
    EXPECT_EQ(header->biWidth, expected.width) << expected.name;
    EXPECT_EQ(header->biHeight, expected.height) << expected.name;
    EXPECT_EQ(header->biBitCount, expected.bits) << expected.name;

    BitmapHandle bitmap = LoadBitmapResource(expected.name, LR_CREATEDIBSECTION);
    ASSERT_TRUE(bitmap) << "LoadImageA failed for " << expected.name;
    BITMAP shape{};
    GetObjectA(bitmap.get(), sizeof shape, &shape);
    EXPECT_EQ(shape.bmWidth, expected.width) << expected.name;
    EXPECT_EQ(shape.bmHeight, expected.height) << expected.name;
}

INSTANTIATE_TEST_SUITE_P(
    Resources, Bitmaps,
    testing::Values(BitmapCase{"TREE", 160, 16, 24}, BitmapCase{"TREE1", 48, 16, 24},
                    BitmapCase{"TASK", 16, 16, 4}, BitmapCase{"TOOLSTRIP", 176, 16, 24},
                    BitmapCase{"PROCEDURE", 16, 16, 8}, BitmapCase{"HEADER_SETTINGS", 32, 32, 24},
                    BitmapCase{"HEADER_ADDVALUE", 32, 32, 24}, BitmapCase{"HEADER_NEWPROJECT", 32, 32, 24},
                    BitmapCase{"HELP_STRIP", 4, 20, 24}, BitmapCase{"HELP_IMAGE", 32, 32, 24}));

struct IconCase {
    const char* name;
    std::vector<int> sizes;
};

class Icons : public testing::TestWithParam<IconCase> {};

TEST_P(Icons, LoadByNameAtEachSize)
{
    for (int size : GetParam().sizes) {
        HICON icon = static_cast<HICON>(LoadImageA(Self(), GetParam().name, IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << GetParam().name << " at " << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size) << GetParam().name;
        EXPECT_EQ(colour.bmHeight, size) << GetParam().name;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, Icons,
                         testing::Values(IconCase{"ICON_00", {16, 32}}, IconCase{"ICON_01", {16, 32}},
                                         IconCase{"ICON_02", {16, 32}}, IconCase{"ICON_03", {16, 32}},
                                         IconCase{"ICON_04", {16, 32}}, IconCase{"ICON_05", {16, 32}},
                                         IconCase{"ICON_06", {16, 32}}, IconCase{"ICON_07", {16, 32}},
                                         IconCase{"ICON_08", {16, 32}}, IconCase{"ICON_OPEN", {16}},
                                         IconCase{"ICON_ADD", {16}}, IconCase{"ICON_EDIT", {16}},
                                         IconCase{"ICON_REMOVE", {16}}, IconCase{"ICON_UP", {16}},
                                         IconCase{"ICON_DOWN", {16}}, IconCase{"ICON_KEYWORD", {16}}));

// "kforge.exe,n" names the n-th group icon in the file's order: the
// association icons 5, 6 and 8 must be ICON_05, ICON_06 and ICON_08.
TEST(IconOrder, IndexNIsIconZeroN)
{
    std::vector<std::string> names;
    EnumResourceNamesA(Self(), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, CollectName,
                       reinterpret_cast<LONG_PTR>(&names));
    ASSERT_GE(names.size(), 9u);
    for (int n = 0; n < 9; ++n) { EXPECT_EQ(names[n], "ICON_0" + std::to_string(n)) << "icon index " << n; }
}

TEST(IconOrder, TheFileKindsHaveTheirOwnPictures)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    ASSERT_GE(ExtractIconExA(path, -1, nullptr, nullptr, 0), 9u);
    // Different pictures give different icon images; ICON_07 is a copy of ICON_00.
    auto bitsOf = [&](int index) {
        HICON icon = ExtractIconA(Self(), path, index);
        ICONINFO info{};
        GetIconInfo(icon, &info);
        std::vector<unsigned char> bits(32 * 32 * 4);
        BITMAPINFO format{};
        format.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, 32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, info.hbmColor, 0, 32, bits.data(), &format, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
        return bits;
    };
    EXPECT_EQ(bitsOf(7), bitsOf(0));
    EXPECT_NE(bitsOf(5), bitsOf(0));
    EXPECT_NE(bitsOf(6), bitsOf(5));
    EXPECT_NE(bitsOf(8), bitsOf(6));
}

struct StripCase {
    const char* name;
    int images;
    std::vector<int> unused;  // images that are mask colour only
};

class Strips : public testing::TestWithParam<StripCase> {};

TEST_P(Strips, SplitIntoMaskedImages)
{
    const StripCase& strip = GetParam();
    BitmapHandle bitmap = LoadBitmapResource(strip.name, LR_CREATEDIBSECTION);
    ASSERT_TRUE(bitmap);
    for (int image = 0; image < strip.images; ++image) {
        bool unused = std::find(strip.unused.begin(), strip.unused.end(), image) != strip.unused.end();
        int maskPixels = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) { maskPixels += PixelOf(bitmap.get(), image * 16 + x, y) == kMask; }
        }
        if (unused) {
            EXPECT_EQ(maskPixels, 256) << strip.name << " image " << image << " should be empty";
        } else {
            EXPECT_GT(maskPixels, 0) << strip.name << " image " << image << " has no transparent part";
            EXPECT_LT(maskPixels, 256) << strip.name << " image " << image << " is empty";
        }
    }
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, strip.images, strip.images);
    EXPECT_EQ(ImageList_AddMasked(list, bitmap.get(), kMask), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), strip.images);
    ImageList_Destroy(list);
}

INSTANTIATE_TEST_SUITE_P(Resources, Strips,
                         testing::Values(StripCase{"TREE", 10, {3, 6, 7, 8, 9}}, StripCase{"TREE1", 3, {}},
                                         StripCase{"TOOLSTRIP", 11, {}}));

// LR_LOADTRANSPARENT gives every pixel of the top-left pixel's palette
// entry the window colour, so a list draws the picture on its background.
TEST(PaletteBitmaps, LoadTransparentOnTheWindowColour)
{
    for (const char* name : {"TASK", "PROCEDURE"}) {
        BitmapHandle bitmap(
            static_cast<HBITMAP>(LoadImageA(Self(), name, IMAGE_BITMAP, 16, 16, LR_LOADTRANSPARENT)));
        ASSERT_TRUE(bitmap) << name;
        COLORREF window = GetSysColor(COLOR_WINDOW);
        EXPECT_EQ(PixelOf(bitmap.get(), 0, 0), window) << name;
        EXPECT_EQ(PixelOf(bitmap.get(), 15, 15), window) << name << ": the background keeps the mask colour";
        BitmapHandle plain = LoadBitmapResource(name, LR_CREATEDIBSECTION);
        EXPECT_EQ(PixelOf(plain.get(), 0, 0), kMask) << name;
    }
}

TEST(VersionInfo, CarriesTheProgramVersion)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), KFORGE_VERSION_MAJOR);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), KFORGE_VERSION_MINOR);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), 0);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionLS), KFORGE_VERSION_REVISION);
    char* text = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\FileVersion",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::string(text), std::to_string(KFORGE_VERSION_MAJOR) + "." +
                                     std::to_string(KFORGE_VERSION_MINOR) + ".0." +
                                     std::to_string(KFORGE_VERSION_REVISION));
}

}  // namespace
