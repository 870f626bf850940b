#include "SettingsCommands.h"

#include <windows.h>

#include <stdexcept>

#include "Boundary.h"
#include "CommandWords.h"
#include "MessagePump.h"
#include "SettingsRules.h"
#include "Texts.h"
#include "WindowText.h"

namespace kforge {

namespace {

using Words = HostWindow::Words;

SettingsCommands* pendingShow = nullptr;

std::string Decoded(const Words& args, size_t index) { return ReplaceAll(TextWord(args, index), "%20", " "); }

// NUL characters shown as '|', so a filter fits on one line.
std::string Visible(std::string text)
{
    for (char& c : text) {
        if (c == '\0') { c = '|'; }
    }
    return text;
}

std::string ClassOf(HWND hwnd)
{
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string RectText(const RECT& rect)
{
    return "screen " + std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
           std::to_string(rect.right) + " " + std::to_string(rect.bottom);
}

HWND ActiveDialog()
{
    HWND dialog = ActiveModalDialog();
    if (!dialog) { throw std::runtime_error("no dialog shows"); }
    return dialog;
}

HWND DialogControl(const Words& args, size_t index)
{
    HWND control = GetDlgItem(ActiveDialog(), NumberWord(args, index));
    if (!control) { throw std::invalid_argument("no control " + TextWord(args, index)); }
    return control;
}

std::string ItemText(HWND control, bool isCombo, int index)
{
    const LRESULT length = SendMessageA(control, isCombo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(control, isCombo ? CB_GETLBTEXT : LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

// "control <id> <class> visible <v> enabled <e> [<text>]", and for a check
// box " check <state>", for a list " selected <n> items [a] [b] ...".
std::string ControlLine(HWND control)
{
    const std::string kind = ClassOf(control);
    std::string line = "control " + std::to_string(GetDlgCtrlID(control)) + " " + kind + " visible " +
                       (IsWindowVisible(control) ? "1" : "0") + " enabled " +
                       (IsWindowEnabled(control) ? "1" : "0") + " [" + WindowText(control) + "]";
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    if (kind == "Button" && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
        line += " check " + std::to_string(SendMessageA(control, BM_GETCHECK, 0, 0));
    } else if (kind == "Button") {
        line += std::string(" default ") + ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? "1" : "0");
    }
    const bool isCombo = kind == "ComboBox";
    if (isCombo || kind == "ListBox") {
        const int count = static_cast<int>(SendMessageA(control, isCombo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
        line += " selected " +
                std::to_string(SendMessageA(control, isCombo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0)) + " items";
        for (int i = 0; i < count; ++i) { line += " [" + ItemText(control, isCombo, i) + "]"; }
    }
    return line;
}

HKEY RootNamed(const std::string& name)
{
    if (name == "HKLM") { return HKEY_LOCAL_MACHINE; }
    if (name == "HKCU") { return HKEY_CURRENT_USER; }
    if (name == "HKCR") { return HKEY_CLASSES_ROOT; }
    throw std::invalid_argument("no root " + name);
}

// "value <type> [<text>] bytes <n>" (the text up to its first NUL, the
// data's size), or "value missing"; read raw, so the type shows.
std::string ValueLine(HKEY root, const std::string& subKey, const std::string& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return "value missing";
    }
    DWORD type = 0, size = 0;
    std::string line = "value missing";
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string data(size, '\0');
        RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
        const char* typeName = type == REG_SZ ? "REG_SZ" : type == REG_EXPAND_SZ ? "REG_EXPAND_SZ" : "other";
        line = std::string("value ") + typeName + " [" + StripNull(data) + "] bytes " + std::to_string(size);
    }
    RegCloseKey(key);
    return line;
}

void WriteValue(HKEY root, const std::string& subKey, const std::string& name, DWORD type,
                const std::string& text)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        throw std::runtime_error("cannot create " + subKey);
    }
    const LSTATUS status =
        RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) { throw std::runtime_error("cannot write " + name); }
}

void CALLBACK OnShowTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    CallGuarded([] {
        SettingsCommands* commands = pendingShow;
        pendingShow = nullptr;
        if (commands) { commands->ShowNow(); }
    });
}

}  // namespace

SettingsCommands::SettingsCommands(HostWindow& host) : host_(host), dialog_(values_)
{
    // Replaces the host's answers: file dialogs need paths too.
    SetDialogHandler([this](const DialogRequest& request) { return Answer(request); });
    AddDialogCommands();
    AddRegistryCommands();
}

DialogAnswer SettingsCommands::Answer(const DialogRequest& request)
{
    static const char* const kKinds[] = {"message", "open", "save", "folder"};
    char flags[16];
    wsprintfA(flags, "0x%X", request.flags);
    host_.Print(std::string("dialog ") + kKinds[static_cast<int>(request.kind)] + " owner " +
                (request.owner == ActiveModalDialog() && request.owner ? "dialog" : "other") + " flags " +
                flags + " title [" + request.title + "] text [" + Visible(request.text) + "]");
    DialogAnswer answer;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    return answer;
}

void SettingsCommands::ShowNow()
{
    const int code = dialog_.ShowModal(host_.Hwnd());
    host_.Print("closed " + std::to_string(code) + " syntax [" + values_.syntaxFilePath + "]");
}

// show; controls: every control of the active dialog (ControlLine), after
// its caption; rect ID, item-rect ID INDEX: screen rectangles to click;
// set-text ID TEXT; answer-box ID; answer-open PATH.
void SettingsCommands::AddDialogCommands()
{
    host_.AddCommand("show", [this](const Words&) {
        values_.syntaxFilePath = "unchanged";
        pendingShow = this;
        if (!SetTimer(nullptr, 0, 0, OnShowTimer)) { throw std::runtime_error("no timer"); }
    });
    host_.AddCommand("controls", [this](const Words&) {
        HWND dialog = ActiveDialog();
        host_.Print("caption [" + WindowText(dialog) + "]");
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            host_.Print(ControlLine(child));
        }
    });
    host_.AddCommand("rect", [this](const Words& args) {
        RECT rect{};
        GetWindowRect(args.empty() ? ActiveDialog() : DialogControl(args, 0), &rect);
        host_.Print(RectText(rect));
    });
    host_.AddCommand("item-rect", [this](const Words& args) {
        HWND list = DialogControl(args, 0);
        RECT rect{};
        if (SendMessageA(list, LB_GETITEMRECT, NumberWord(args, 1), reinterpret_cast<LPARAM>(&rect)) ==
            LB_ERR) {
            throw std::invalid_argument("no item " + TextWord(args, 1));
        }
        MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        host_.Print(RectText(rect));
    });
    host_.AddCommand("combo-item-rect", [this](const Words& args) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        HWND combo = DialogControl(args, 0);
        if (!SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) || !GetComboBoxInfo(combo, &info)) {
            throw std::runtime_error("the list is not dropped down");
        }
        RECT rect{};
        SendMessageA(info.hwndList, LB_GETITEMRECT, NumberWord(args, 1), reinterpret_cast<LPARAM>(&rect));
        MapWindowPoints(info.hwndList, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        host_.Print(RectText(rect));
    });
    host_.AddCommand("set-text", [](const Words& args) {
        SetWindowTextA(DialogControl(args, 0), Decoded(args, 1).c_str());
    });
    host_.AddCommand("answer-box", [this](const Words& args) {
        DialogAnswer answer;
        answer.button = NumberWord(args, 0);
        answers_.push_back(answer);
    });
    host_.AddCommand("answer-open", [this](const Words& args) {
        DialogAnswer answer;
        answer.button = IDOK;
        answer.path = Decoded(args, 0);
        answers_.push_back(answer);
    });
}

// setting NAME, env NAME, class KEY: a value line (ValueLine) of the
// Settings key, HKCU\Environment, a key's default value under HKCR;
// write ROOT KEY NAME TYPE TEXT (NAME "" for the default value, TYPE
// REG_SZ or REG_EXPAND_SZ); delete-value ROOT KEY NAME; delete-key ROOT KEY;
// app-folder.
void SettingsCommands::AddRegistryCommands()
{
    host_.AddCommand("setting", [this](const Words& args) {
        host_.Print(ValueLine(HKEY_LOCAL_MACHINE, kSettingsKey, TextWord(args, 0)));
    });
    host_.AddCommand("env", [this](const Words& args) {
        host_.Print(ValueLine(HKEY_CURRENT_USER, "Environment", TextWord(args, 0)));
    });
    host_.AddCommand("class", [this](const Words& args) {
        host_.Print(ValueLine(HKEY_CLASSES_ROOT, Decoded(args, 0), ""));
    });
    host_.AddCommand("write", [](const Words& args) {
        const std::string type = TextWord(args, 3);
        if (type != "REG_SZ" && type != "REG_EXPAND_SZ") { throw std::invalid_argument("no type " + type); }
        WriteValue(RootNamed(TextWord(args, 0)), Decoded(args, 1), Decoded(args, 2),
                   type == "REG_SZ" ? REG_SZ : REG_EXPAND_SZ, Decoded(args, 4));
    });
    host_.AddCommand("delete-value", [](const Words& args) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(RootNamed(TextWord(args, 0)), Decoded(args, 1).c_str(), 0, KEY_SET_VALUE, &key) ==
            ERROR_SUCCESS) {
            RegDeleteValueA(key, Decoded(args, 2).c_str());
            RegCloseKey(key);
        }
    });
    host_.AddCommand("delete-key", [](const Words& args) {
        RegDeleteTreeA(RootNamed(TextWord(args, 0)), Decoded(args, 1).c_str());
        RegDeleteKeyA(RootNamed(TextWord(args, 0)), Decoded(args, 1).c_str());
    });
    host_.AddCommand("app-folder", [this](const Words&) {
        char path[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string folder = path;
        host_.Print("folder [" + folder.substr(0, folder.find_last_of('\\')) + "]");
    });
}

}  // namespace kforge
