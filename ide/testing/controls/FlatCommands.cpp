#include "FlatCommands.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "FlatCtl.h"

namespace kforge {

namespace {

// A plain window in one colour, for controls whose frame must show against
// something other than the host's button face.
class ColourBox : public Window {
public:
    ColourBox(HWND parent, const RECT& rc, COLORREF colour) : colour_(colour)
    {
        WindowSpec spec;
        spec.className = "KTestColourBox";
        spec.style = WS_CHILD | WS_VISIBLE;
        spec.rect = rc;
        spec.parent = parent;
        Create(spec);
    }

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg != WM_ERASEBKGND) return Window::OnMessage(msg, wParam, lParam);
        RECT rc{};
        GetClientRect(Hwnd(), &rc);
        HBRUSH brush = CreateSolidBrush(colour_);
        FillRect(reinterpret_cast<HDC>(wParam), &rc, brush);
        DeleteObject(brush);
        return 1;
    }

    COLORREF colour_;
};

RECT RectArgs(const HostWindow::Words& args)
{
    if (args.size() < 5) throw std::invalid_argument("NAME L T R B expected");
    return {static_cast<LONG>(ParseNumber(args[1])), static_cast<LONG>(ParseNumber(args[2])),
            static_cast<LONG>(ParseNumber(args[3])), static_cast<LONG>(ParseNumber(args[4]))};
}

std::string ScreenRectText(const char* label, const RECT& rc)
{
    return std::string(label) + " " + std::to_string(rc.left) + " " + std::to_string(rc.top) + " " +
           std::to_string(rc.right) + " " + std::to_string(rc.bottom);
}

const std::string& Arg(const HostWindow::Words& args, size_t index)
{
    if (index >= args.size()) throw std::invalid_argument("missing argument");
    return args[index];
}

// Repaints a window's parent and then the window with its frame, as when a
// form first shows.
void RepaintAround(HWND hwnd)
{
    const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
    RedrawWindow(GetParent(hwnd), nullptr, nullptr, flags);
}

}  // namespace

void AddFlatCommands(HostWindow& host)
{
    auto boxes = std::make_shared<std::map<std::string, std::unique_ptr<ColourBox>>>();
    auto flats = std::make_shared<std::map<std::string, std::unique_ptr<FlatCtl>>>();

    auto addControl = [&host](const char* windowClass, DWORD style, DWORD exStyle) {
        return [&host, windowClass, style, exStyle](const HostWindow::Words& args) {
            const RECT rc = RectArgs(args);
            HWND parent = args.size() > 5 ? host.Child(args[5]) : host.Hwnd();
            HWND hwnd = CreateWindowExA(exStyle, windowClass, "", WS_CHILD | WS_VISIBLE | style, rc.left,
                                        rc.top, rc.right - rc.left, rc.bottom - rc.top, parent, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
            host.AddChild(args[0], hwnd);
            if (hwnd && std::string(windowClass) == "COMBOBOX") {
                for (const char* item : {"first", "second", "third"}) {
                    SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
                }
            }
        };
    };
    host.AddCommand("edit", addControl("EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE));
    host.AddCommand("combo", addControl("COMBOBOX", CBS_DROPDOWN | WS_VSCROLL, 0));
    host.AddCommand("panel", addControl("STATIC", SS_LEFT, WS_EX_CLIENTEDGE));
    host.AddCommand("box", [&host, boxes](const HostWindow::Words& args) {
        auto box = std::make_unique<ColourBox>(host.Hwnd(), RectArgs(args),
                                               static_cast<COLORREF>(ParseNumber(Arg(args, 5))));
        host.AddChild(args[0], box->Hwnd());
        (*boxes)[args[0]] = std::move(box);
    });

    host.AddCommand("flat", [&host, flats](const HostWindow::Words& args) {
        auto& flat = (*flats)[Arg(args, 0)];
        if (!flat) flat = std::make_unique<FlatCtl>();
        HWND control = Arg(args, 1) == "-" ? nullptr : host.Child(args[1]);
        const bool attached = flat->Attach(control);
        host.Print(std::string("attached ") + (attached ? "1" : "0"));
        if (attached) RepaintAround(control);
    });
    host.AddCommand("unflat", [flats](const HostWindow::Words& args) { flats->erase(Arg(args, 0)); });
    host.AddCommand("flatstate", [&host, flats](const HostWindow::Words& args) {
        auto found = flats->find(Arg(args, 0));
        if (found == flats->end()) throw std::invalid_argument("no flat look named " + args[0]);
        host.Print(std::string("flat mouseover ") + (found->second->MouseOver() ? "1" : "0") + " dropped " +
                   (found->second->DroppedDown() ? "1" : "0"));
    });

    host.AddCommand("enable", [&host](const HostWindow::Words& args) {
        HWND hwnd = host.Child(Arg(args, 0));
        EnableWindow(hwnd, ParseNumber(Arg(args, 1)) != 0);
        RepaintAround(hwnd);
    });
    host.AddCommand("focus", [&host](const HostWindow::Words& args) { SetFocus(host.Child(Arg(args, 0))); });
    host.AddCommand("syscolor", [&host](const HostWindow::Words& args) {
        host.Print("color " + std::to_string(GetSysColor(static_cast<int>(ParseNumber(Arg(args, 0))))));
    });
    host.AddCommand("metric", [&host](const HostWindow::Words& args) {
        host.Print("metric " + std::to_string(GetSystemMetrics(static_cast<int>(ParseNumber(Arg(args, 0))))));
    });
    host.AddCommand("client", [&host](const HostWindow::Words& args) {
        HWND hwnd = host.Child(Arg(args, 0));
        RECT rc{};
        GetClientRect(hwnd, &rc);
        MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&rc), 2);
        host.Print(ScreenRectText("client", rc));
    });
}

}  // namespace kforge
