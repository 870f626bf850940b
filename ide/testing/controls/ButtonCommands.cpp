#include "ButtonCommands.h"

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ButtonXP.h"

namespace kforge {

namespace {

constexpr COLORREF kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kWhiteColour = 0xFFFFFF;
constexpr int kSide = 16;

// The test picture's colour at (x, y), or nothing where it is transparent.
bool TestPixel(int x, int y, COLORREF& colour)
{
    if (x >= 2 && x <= 7 && y >= 2 && y <= 7) {
        colour = kRed;
    } else if (x >= 2 && x <= 7 && y == 12) {
        colour = kWhiteColour;
    } else if (x == 15 && y == 15) {
        colour = kBlue;
    } else {
        return false;
    }
    return true;
}

// A 16 x 16 bitmap of the test picture with the transparent pixels in
// transparentColour, and its mask (set bits transparent).
HBITMAP TestBitmap(COLORREF transparentColour)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kSide, kSide);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            COLORREF colour = transparentColour;
            TestPixel(x, y, colour);
            SetPixel(dc, x, y, colour);
        }
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

HBITMAP TestMask()
{
    std::vector<WORD> rows(kSide, 0);  // one word per row, padded to 16 bits
    for (int y = 0; y < kSide; ++y) {
        WORD bits = 0;
        for (int x = 0; x < kSide; ++x) {
            COLORREF colour = 0;
            if (!TestPixel(x, y, colour)) bits |= static_cast<WORD>(0x8000 >> x);
        }
        rows[static_cast<size_t>(y)] = static_cast<WORD>(bits >> 8 | bits << 8);  // bytes from the left
    }
    return CreateBitmap(kSide, kSide, 1, 1, rows.data());
}

void SetTestIcon(ButtonXP& button)
{
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = TestBitmap(0);
    info.hbmMask = TestMask();
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (!icon) throw std::runtime_error("the test icon was not made");
    button.SetButtonIcon(icon);
    DestroyIcon(icon);
}

void SetTestBitmap(ButtonXP& button)
{
    HBITMAP bitmap = TestBitmap(kGreen);
    button.SetButtonIcon(bitmap);
    DeleteObject(bitmap);
}

void SetIcon(ButtonXP& button, const std::string& which)
{
    if (which == "none") {
        button.SetButtonIcon(ButtonPicture());
    } else if (which == "folder") {
        button.SetButtonIcon(ButtonPicture::OpenFolder());
    } else if (which == "icon") {
        SetTestIcon(button);
    } else if (which == "bitmap") {
        SetTestBitmap(button);
    } else {
        throw std::invalid_argument("ButtonIcon none|folder|icon|bitmap");
    }
}

std::string JoinFrom(const HostWindow::Words& words, size_t first)
{
    std::string text;
    for (size_t i = first; i < words.size(); ++i) text += (i > first ? " " : "") + words[i];
    return text;
}

const std::string& Arg(const HostWindow::Words& args, size_t index)
{
    if (index >= args.size()) throw std::invalid_argument("missing argument");
    return args[index];
}

std::uint32_t Colour(const std::string& text) { return static_cast<std::uint32_t>(ParseNumber(text)); }
std::int32_t Int(const std::string& text) { return static_cast<std::int32_t>(ParseNumber(text)); }
bool Flag(const std::string& text) { return ParseNumber(text) != 0; }

// Each property's setter from command words, and its value as text.
struct PropertyAccess {
    std::function<void(ButtonXP&, const HostWindow::Words&)> set;  // words after the property name
    std::function<std::string(const ButtonXP&)> get;
};

std::string PictureText(const ButtonPicture& picture)
{
    if (picture.Empty()) return "picture none";
    return "picture " + std::to_string(picture.Width()) + " " + std::to_string(picture.Height());
}

const std::map<std::string, PropertyAccess>& Properties()
{
    using W = HostWindow::Words;
    auto number = [](auto value) { return std::to_string(value); };
    static const std::map<std::string, PropertyAccess> properties = {
        {"Caption",
         {[](ButtonXP& b, const W& w) { b.SetCaption(JoinFrom(w, 0)); },
          [](const ButtonXP& b) { return b.Caption(); }}},
        {"Checked",
         {[](ButtonXP& b, const W& w) { b.SetChecked(Flag(Arg(w, 0))); },
          [number](const ButtonXP& b) { return number(b.Checked() ? 1 : 0); }}},
        {"CheckedColor",
         {[](ButtonXP& b, const W& w) { b.SetCheckedColor(Colour(Arg(w, 0))); },
          [number](const ButtonXP& b) { return number(b.CheckedColor()); }}},
        {"TextOffset",
         {[](ButtonXP& b, const W& w) { b.SetTextOffset(Int(Arg(w, 0))); },
          [number](const ButtonXP& b) { return number(b.TextOffset()); }}},
        {"ImagePosition",
         {[](ButtonXP& b, const W& w) { b.SetImagePosition(Int(Arg(w, 0))); },
          [number](const ButtonXP& b) { return number(b.ImagePosition()); }}},
        {"Style",
         {[](ButtonXP& b, const W& w) { b.SetStyle(Int(Arg(w, 0))); },
          [number](const ButtonXP& b) { return number(b.Style()); }}},
        {"Enabled",
         {[](ButtonXP& b, const W& w) { b.SetEnabled(Flag(Arg(w, 0))); },
          [number](const ButtonXP& b) { return number(b.Enabled() ? 1 : 0); }}},
        {"ButtonIcon",
         {[](ButtonXP& b, const W& w) { SetIcon(b, Arg(w, 0)); },
          [](const ButtonXP& b) { return PictureText(b.ButtonIcon()); }}},
        {"HighlightBackColor",
         {[](ButtonXP& b, const W& w) { b.SetHighlightBackColor(Colour(Arg(w, 0))); },
          [number](const ButtonXP& b) { return number(b.HighlightBackColor()); }}},
        {"PressColor",
         {[](ButtonXP& b, const W& w) { b.SetPressColor(Colour(Arg(w, 0))); },
          [number](const ButtonXP& b) { return number(b.PressColor()); }}},
        {"HighlightBorderColor",
         {[](ButtonXP& b, const W& w) { b.SetHighlightBorderColor(Colour(Arg(w, 0))); },
          [number](const ButtonXP& b) { return number(b.HighlightBorderColor()); }}},
        {"BackColor",
         {[](ButtonXP& b, const W& w) { b.SetBackColor(Colour(Arg(w, 0))); },
          [number](const ButtonXP& b) { return number(b.BackColor()); }}},
        {"ImageDisplacement",
         {[](ButtonXP& b, const W& w) { b.SetImageDisplacement(static_cast<std::int16_t>(Int(Arg(w, 0)))); },
          [number](const ButtonXP& b) { return number(b.ImageDisplacement()); }}},
    };
    return properties;
}

const PropertyAccess& PropertyNamed(const std::string& name)
{
    auto found = Properties().find(name);
    if (found == Properties().end()) throw std::invalid_argument("no property " + name);
    return found->second;
}

// The kind and value of a bag entry, found by reading it with two
// different defaults of each kind: a stored value gives itself both times.
std::string BagEntryText(const PropertyBag& bag, const std::string& key)
{
    const std::int32_t number = bag.Read<std::int32_t>(key, 0);
    if (number == bag.Read<std::int32_t>(key, 1)) return "int " + std::to_string(number);
    const bool flag = bag.Read<bool>(key, false);
    if (flag == bag.Read<bool>(key, true)) return std::string("bool ") + (flag ? "1" : "0");
    const std::string text = bag.Read<std::string>(key, "");
    if (text == bag.Read<std::string>(key, "-")) return "text " + text;
    const std::vector<std::uint8_t> bytes = bag.Read<std::vector<std::uint8_t>>(key, {});
    if (bytes == bag.Read<std::vector<std::uint8_t>>(key, {0}))
        return "bytes " + std::to_string(bytes.size());
    return "missing";
}

void AddBagCommands(HostWindow& host, std::shared_ptr<std::map<std::string, PropertyBag>> bags)
{
    auto bagNamed = [bags](const std::string& name) -> PropertyBag& {
        auto found = bags->find(name);
        if (found == bags->end()) throw std::invalid_argument("no bag named " + name);
        return found->second;
    };
    host.AddCommand("bagnew",
                    [bags](const HostWindow::Words& args) { (*bags)[Arg(args, 0)] = PropertyBag(); });
    host.AddCommand("bagput", [bagNamed](const HostWindow::Words& args) {
        PropertyBag& bag = bagNamed(Arg(args, 0));
        const std::string& kind = Arg(args, 2);
        const std::string value = JoinFrom(args, 3);
        if (kind == "int") {
            bag.Write(args[1], Int(value), PropertyValue{});
        } else if (kind == "bool") {
            bag.Write(args[1], Flag(value), PropertyValue{});
        } else if (kind == "text") {
            bag.Write(args[1], value, PropertyValue{});
        } else {
            throw std::invalid_argument("bagput BAG KEY int|bool|text VALUE");
        }
    });
    host.AddCommand("bagget", [&host, bagNamed](const HostWindow::Words& args) {
        host.Print("bag " + Arg(args, 1) + " " + BagEntryText(bagNamed(args[0]), args[1]));
    });
    host.AddCommand("bagsame", [&host, bagNamed](const HostWindow::Words& args) {
        const bool same = bagNamed(Arg(args, 0)).ToBytes() == bagNamed(Arg(args, 1)).ToBytes();
        host.Print(std::string("same ") + (same ? "1" : "0"));
    });
}

}  // namespace

void AddButtonCommands(HostWindow& host)
{
    auto buttons = std::make_shared<std::map<std::string, std::unique_ptr<ButtonXP>>>();
    auto bags = std::make_shared<std::map<std::string, PropertyBag>>();
    auto buttonNamed = [buttons](const std::string& name) -> ButtonXP& {
        auto found = buttons->find(name);
        if (found == buttons->end()) throw std::invalid_argument("no button named " + name);
        return *found->second;
    };

    host.AddCommand("button", [&host, buttons](const HostWindow::Words& args) {
        if (args.size() < 5) throw std::invalid_argument("button NAME L T R B [STYLE [PARENT]]");
        const RECT rc{Int(args[1]), Int(args[2]), Int(args[3]), Int(args[4])};
        const int style = args.size() > 5 ? Int(args[5]) : 1;
        HWND parent = args.size() > 6 ? host.Child(args[6]) : host.Hwnd();
        auto button = std::make_unique<ButtonXP>(parent, 0, rc, style);
        const std::string name = args[0];
        button->onClick = [&host, name] { host.Print("event " + name + " click"); };
        button->onMenuClick = [&host, name] { host.Print("event " + name + " menuclick"); };
        button->onMouseDown = [&host, name](int cx, int cy) {
            host.Print("event " + name + " mousedown " + std::to_string(cx) + " " + std::to_string(cy));
        };
        button->onMouseUp = [&host, name](int cx, int cy) {
            host.Print("event " + name + " mouseup " + std::to_string(cx) + " " + std::to_string(cy));
        };
        host.AddChild(name, button->Hwnd());
        (*buttons)[name] = std::move(button);
    });
    host.AddCommand("bset", [buttonNamed](const HostWindow::Words& args) {
        PropertyNamed(Arg(args, 1))
            .set(buttonNamed(args[0]), HostWindow::Words(args.begin() + 2, args.end()));
    });
    host.AddCommand("bget", [&host, buttonNamed](const HostWindow::Words& args) {
        host.Print("value " + PropertyNamed(Arg(args, 1)).get(buttonNamed(args[0])));
    });
    host.AddCommand("bredraw", [buttonNamed](const HostWindow::Words& args) {
        buttonNamed(Arg(args, 0)).Redraw(Int(Arg(args, 1)));
    });
    host.AddCommand("bdrop", [&host, buttons](const HostWindow::Words& args) {
        buttons->erase(Arg(args, 0));
        host.RemoveChild(args[0]);
    });
    host.AddCommand("bsave", [buttonNamed, bags](const HostWindow::Words& args) {
        PropertyBag bag;
        buttonNamed(Arg(args, 0)).WriteProperties(bag);
        (*bags)[Arg(args, 1)] = bag;
    });
    host.AddCommand("bload", [buttonNamed, bags](const HostWindow::Words& args) {
        auto found = bags->find(Arg(args, 1));
        if (found == bags->end()) throw std::invalid_argument("no bag named " + args[1]);
        buttonNamed(Arg(args, 0)).ReadProperties(found->second);
    });
    AddBagCommands(host, bags);
}

}  // namespace kforge
