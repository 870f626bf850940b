#include "CodeList.h"

#include <commctrl.h>

#include <vector>

#include "CodeEdit.h"
#include "Texts.h"

namespace kforge {

namespace {

constexpr char kTypeSeparator = '\x1F';
// A text no entry begins with: selecting it leaves no entry selected.
constexpr const char* kNoEntry = "\x01";

// The image's pixels as RGBA, transparent where the mask is set.
std::vector<unsigned char> IconPixels(HIMAGELIST images, int index, int width, int height)
{
    std::vector<unsigned char> rgba(static_cast<size_t>(width) * height * 4, 0);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        ReleaseDC(nullptr, screen);
        return rgba;
    }
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    auto* pixels = static_cast<unsigned char*>(bits);
    // Drawn once on black and once on white: a pixel that differs is
    // transparent.
    std::vector<unsigned char> onBlack(rgba.size());
    for (int pass = 0; pass < 2; ++pass) {
        RECT all{0, 0, width, height};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(pass ? WHITE_BRUSH : BLACK_BRUSH)));
        ImageList_Draw(images, index, dc, 0, 0, ILD_TRANSPARENT);
        GdiFlush();
        if (pass == 0) { std::copy(pixels, pixels + rgba.size(), onBlack.begin()); }
    }
    for (size_t i = 0; i < rgba.size(); i += 4) {
        const bool opaque =
            pixels[i] == onBlack[i] && pixels[i + 1] == onBlack[i + 1] && pixels[i + 2] == onBlack[i + 2];
        rgba[i] = pixels[i + 2];
        rgba[i + 1] = pixels[i + 1];
        rgba[i + 2] = pixels[i];
        rgba[i + 3] = opaque ? 255 : 0;
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return rgba;
}

}  // namespace

CodeList::CodeList(CodeEdit& editor) : editor_(editor) {}

void CodeList::Reset()
{
    entries_.clear();
    images_ = nullptr;
    pendingSelection_ = -1;
    shown_ = false;
}

bool CodeList::IsOpen() const { return shown_ && editor_.Call(SCI_AUTOCACTIVE) != 0; }

int CodeList::GetSelectedIndex() const
{
    return IsOpen() ? static_cast<int>(editor_.Call(SCI_AUTOCGETCURRENT)) : pendingSelection_;
}

void CodeList::Select(int index)
{
    pendingSelection_ = index >= 0 && index < Count() ? index : -1;
    if (!IsOpen()) { return; }
    // The engine selects by text: the first entry that begins with it.
    const std::string text = pendingSelection_ >= 0 ? entries_[pendingSelection_].text : kNoEntry;
    editor_.Call(SCI_AUTOCSELECT, 0, reinterpret_cast<sptr_t>(text.c_str()));
}

void CodeList::AddItem(const std::string& text, int icon) { entries_.push_back({text, icon}); }

std::string CodeList::GetItemText(int index) const
{
    return index >= 0 && index < Count() ? entries_[index].text : std::string();
}

int CodeList::FindString(const std::string& text, bool prefix) const
{
    if (text.empty()) { return -1; }
    for (int i = 0; i < Count(); ++i) {
        const std::string& entry = entries_[i].text;
        if (prefix ? StartsWith(LowerCase(entry), LowerCase(text)) : EqualsIgnoreCase(entry, text)) {
            return i;
        }
    }
    return -1;
}

void CodeList::Close()
{
    if (IsOpen()) {
        pendingSelection_ = static_cast<int>(editor_.Call(SCI_AUTOCGETCURRENT));
        closing_ = true;
        editor_.Call(SCI_AUTOCCANCEL);
        closing_ = false;
    }
    shown_ = false;
}

void CodeList::RegisterIcons()
{
    editor_.Call(SCI_CLEARREGISTEREDIMAGES);
    int width = 0, height = 0;
    if (!images_ || !ImageList_GetIconSize(images_, &width, &height)) { return; }
    editor_.Call(SCI_RGBAIMAGESETWIDTH, width);
    editor_.Call(SCI_RGBAIMAGESETHEIGHT, height);
    for (int i = 0; i < ImageList_GetImageCount(images_); ++i) {
        std::vector<unsigned char> pixels = IconPixels(images_, i, width, height);
        editor_.Call(SCI_REGISTERRGBAIMAGE, i, reinterpret_cast<sptr_t>(pixels.data()));
    }
}

void CodeList::Show(int wordLength)
{
    RegisterIcons();
    std::string items;
    for (const Entry& entry : entries_) {
        if (!items.empty()) { items += '\n'; }
        items += entry.text;
        if (images_ && entry.icon >= 0) { items += kTypeSeparator + std::to_string(entry.icon); }
    }
    if (items.empty()) { return; }
    editor_.Call(SCI_AUTOCSHOW, wordLength, reinterpret_cast<sptr_t>(items.c_str()));
    shown_ = true;
    Select(pendingSelection_);
}

}  // namespace kforge
