#include "EditorCommands.h"

#include <memory>
#include <stdexcept>
#include <string>

#include "EditorDoc.h"

namespace kforge {

namespace {

std::string Escape(const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        switch (c) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\\':
                out += "\\\\";
                break;
            case ' ':
                out += "\\s";
                break;
            default:
                if (c < 32 || c >= 127) {
                    out += "\\x";
                    out += hex[c >> 4];
                    out += hex[c & 15];
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out;
}

std::string Unescape(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char code = text[++i];
        switch (code) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 's':
                out += ' ';
                break;
            case 'x':
                if (i + 2 >= text.size()) { throw std::invalid_argument("bad \\x"); }
                out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
                i += 2;
                break;
            default:
                out += code;
                break;
        }
    }
    return out;
}

std::string Arg(const HostWindow::Words& args, size_t index)
{
    if (index >= args.size()) { throw std::invalid_argument("missing argument"); }
    return args[index];
}

int Number(const HostWindow::Words& args, size_t index)
{
    return static_cast<int>(ParseNumber(Arg(args, index)));
}

// The main window as the document sees it: prints each call.
class PrintingHost : public IDocumentHost {
public:
    explicit PrintingHost(HostWindow& host) : host_(host) {}
    void UpdateUI(bool projectTools) override
    {
        host_.Print(std::string("updateui ") + (projectTools ? "1" : "0"));
    }
    void SetStatus1(const std::string& text) override { host_.Print("status " + Escape(text)); }
    void ShowEditPopup() override { host_.Print("popup Edit"); }

private:
    HostWindow& host_;
};

// Prints to a white memory bitmap; counts the pixels that are not white.
std::string PrintToMemory(CodeEdit& editor)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 600, 800);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 600, 800};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const bool printed = editor.PrintContents(dc);
    int inked = 0;
    for (int y = 0; y < 800; y += 2) {
        for (int x = 0; x < 600; x += 2) { inked += GetPixel(dc, x, y) != RGB(255, 255, 255); }
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return std::string("printed ") + (printed ? "1 " : "0 ") + std::to_string(inked);
}

struct EditorSession {
    explicit EditorSession(HostWindow& host) : stand(host) {}
    PrintingHost stand;
    std::unique_ptr<EditorDoc> doc;

    EditorDoc& Doc()
    {
        if (!doc) { throw std::runtime_error("no document"); }
        return *doc;
    }
};

void AddFileCommands(HostWindow& host, EditorSession& s)
{
    host.AddCommand("doc", [&host, &s](const HostWindow::Words& args) {
        s.doc = std::make_unique<EditorDoc>(&s.stand);
        if (!s.doc->Create(host.Hwnd(),
                           RECT{Number(args, 0), Number(args, 1), Number(args, 2), Number(args, 3)})) {
            throw std::runtime_error("the document was not created");
        }
        host.AddChild("doc", s.doc->Hwnd());
        host.AddChild("editor", s.doc->Editor()->Hwnd());
        host.AddChild("engine", s.doc->Editor()->EngineWindow());
        host.AddChild("proclist", s.doc->ProcList());
    });
    host.AddCommand("load",
                    [&s](const HostWindow::Words& args) { s.Doc().LoadFile(args.empty() ? "" : args[0]); });
    host.AddCommand("save", [&host, &s](const HostWindow::Words& args) {
        host.Print(std::string("saved ") + (s.Doc().Editor()->SaveFile(Arg(args, 0), false) ? "1" : "0"));
    });
    host.AddCommand("settext", [&s](const HostWindow::Words& args) {
        s.Doc().Editor()->SetText(args.empty() ? "" : Unescape(args[0]));
    });
    host.AddCommand("text", [&host, &s](const HostWindow::Words&) {
        host.Print("text " + Escape(s.Doc().Editor()->Text()));
    });
    host.AddCommand("names", [&host, &s](const HostWindow::Words&) {
        host.Print("file " + Escape(s.Doc().FileName()));
        host.Print("module " + Escape(s.Doc().ModuleName()));
        host.Print("label " + Escape(s.Doc().ModuleLabel()));
    });
    host.AddCommand("setname", [&s](const HostWindow::Words& args) { s.Doc().SetFileName(Arg(args, 0)); });
    host.AddCommand("state", [&host, &s](const HostWindow::Words&) {
        EditorDoc& d = s.Doc();
        std::string line = "changed";
        for (bool flag : {d.DocChanged(), d.CanUndo(), d.CanRedo(), d.CanCopy(), d.CanCut(), d.CanPaste(),
                          d.CanDelete()}) {
            line += flag ? " 1" : " 0";
        }
        host.Print(line);
    });
    host.AddCommand("setchanged",
                    [&s](const HostWindow::Words& args) { s.Doc().SetDocChanged(Number(args, 0) != 0); });
    host.AddCommand("print", [&host, &s](const HostWindow::Words& args) {
        if (Arg(args, 0) == "null") {
            host.Print(std::string("printed ") + (s.Doc().Editor()->PrintContents(nullptr) ? "1" : "0") +
                       " 0");
        } else {
            host.Print(PrintToMemory(*s.Doc().Editor()));
        }
    });
}

void AddEditingCommands(HostWindow& host, EditorSession& s)
{
    host.AddCommand("sel", [&host, &s](const HostWindow::Words&) {
        const Range r = s.Doc().Editor()->GetSel(false);
        host.Print("sel " + std::to_string(r.startLine) + " " + std::to_string(r.startCol) + " " +
                   std::to_string(r.endLine) + " " + std::to_string(r.endCol));
    });
    host.AddCommand("setsel", [&s](const HostWindow::Words& args) {
        s.Doc().Editor()->SetSel(Range{Number(args, 0), Number(args, 1), Number(args, 2), Number(args, 3)},
                                 true);
    });
    host.AddCommand("cmd", [&s](const HostWindow::Words& args) {
        s.Doc().Editor()->ExecuteCmd(Number(args, 0), args.size() > 1 ? Number(args, 1) : -1);
    });
    host.AddCommand("line", [&host, &s](const HostWindow::Words& args) {
        host.Print("line " + Escape(s.Doc().Editor()->GetLine(Number(args, 0))));
    });
    host.AddCommand("word", [&host, &s](const HostWindow::Words&) {
        host.Print("word " + Escape(s.Doc().Editor()->GetCurrentWord()));
    });
    host.AddCommand("position", [&host, &s](const HostWindow::Words&) {
        host.Print("position " + s.Doc().CurrentPosition());
        host.Print("curline " + s.Doc().CurrentLine());
    });
    host.AddCommand("styles", [&host, &s](const HostWindow::Words& args) {
        CodeEdit& editor = *s.Doc().Editor();
        const int line = Number(args, 0);
        const sptr_t start = editor.Call(SCI_POSITIONFROMLINE, line);
        const sptr_t end = editor.Call(SCI_GETLINEENDPOSITION, line);
        editor.Call(SCI_COLOURISE, 0, -1);
        std::string styles = "styles";
        for (sptr_t pos = start; pos < end; ++pos) {
            styles += " " + std::to_string(editor.Call(SCI_GETSTYLEAT, pos));
        }
        host.Print(styles);
    });
    host.AddCommand("settings", [&host, &s](const HostWindow::Words&) {
        CodeEdit& editor = *s.Doc().Editor();
        host.Print("settings tab " + std::to_string(editor.TabSize()) + " case " +
                   (editor.NormalizeCase() ? "1" : "0") + " indent " +
                   std::to_string(editor.AutoIndentMode()) + " lang " + Escape(editor.LanguageName()));
    });
    host.AddCommand("color", [&host, &s](const HostWindow::Words& args) {
        host.Print("color " + args.at(0) + " " + std::to_string(s.Doc().Editor()->GetColor(Number(args, 0))));
    });
    host.AddCommand("hittest", [&host, &s](const HostWindow::Words& args) {
        host.Print("hit " + std::to_string(s.Doc().Editor()->HitTest(Number(args, 0), Number(args, 1), 24)));
    });
    host.AddCommand("focus", [&host](const HostWindow::Words& args) { SetFocus(host.Child(Arg(args, 0))); });
}

void AddNavigatorCommands(HostWindow& host, EditorSession& s)
{
    host.AddCommand("procs", [&host, &s](const HostWindow::Words&) {
        EditorDoc& d = s.Doc();
        auto entries = [](HWND combo) {
            std::string text;
            const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                char item[256] = {};
                SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
                text += "|" + Escape(item) + ":" + std::to_string(SendMessageA(combo, CB_GETITEMDATA, i, 0));
            }
            return std::to_string(SendMessageA(combo, CB_GETCURSEL, 0, 0)) + " " + text;
        };
        host.Print("objects " + entries(d.ObjectList()));
        host.Print("procs " + entries(d.ProcList()));
    });
    host.AddCommand("tip", [&host, &s](const HostWindow::Words&) {
        const CodeEdit& editor = *s.Doc().Editor();
        host.Print(std::string("tip ") + (editor.TipShown() ? "1 " : "0 ") +
                   std::to_string(editor.Tip().Argument()) + " " + Escape(editor.Tip().Text()));
    });
    host.AddCommand("list", [&host, &s](const HostWindow::Words&) {
        const CodeList& list = s.Doc().Editor()->List();
        host.Print(std::string("list ") + (list.IsOpen() ? "1 " : "0 ") +
                   std::to_string(list.GetSelectedIndex()) + " " + std::to_string(list.Count()) + " " +
                   Escape(list.GetItemText(list.GetSelectedIndex())));
    });
}

}  // namespace

void AddEditorCommands(HostWindow& host)
{
    static EditorSession session(host);
    AddFileCommands(host, session);
    AddEditingCommands(host, session);
    AddNavigatorCommands(host, session);
}

}  // namespace kforge
