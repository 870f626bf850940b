#include "SettingsDialog.h"

#include "AppPath.h"
#include "BuildRules.h"
#include "Dialogs.h"
#include "Registry.h"
#include "SettingsRules.h"
#include "Texts.h"
#include "UserEnvironment.h"
#include "WindowText.h"

namespace kforge {

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 418;
constexpr int kMargin = 12;
constexpr int kHeaderHeight = 60;
constexpr int kBodyTop = 92;
constexpr int kBodyBottom = 366;
constexpr int kPageListWidth = 132;
constexpr int kPageLeft = kMargin + kPageListWidth + 12;
constexpr int kPageWidth = kWidth - kMargin - kPageLeft;
constexpr int kBoxHeight = 21;
constexpr int kBrowseWidth = 26;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;
constexpr int kHelpTop = 170;

constexpr DWORD kBoxStyle = WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kCheckStyle = WS_TABSTOP | BS_AUTOCHECKBOX;

const char* const kPageNames[SettingsDialog::kPageCount] = {" General", " Processor", " Compiler",
                                                            " Linker",  " Recources", " Enviroment"};
const char* const kConfigurations[] = {"Win32 Release", "Win32 Debug", "Win32 Library"};

const char kBrowseTitle[] = "Open File ...";
const char kBrowseFilterPairs[] =
    "Executable Files (*.exe, *.com, *.bat)\0*.exe; *.com; *.bat\0All Files (*.*)\0*.*\0";
const std::string kBrowseFilter(kBrowseFilterPairs, sizeof kBrowseFilterPairs - 1);

std::string Setting(const std::string& name) { return GetRegValue(HKEY_LOCAL_MACHINE, kSettingsKey, name); }

void StoreSetting(const std::string& name, const std::string& text)
{
    SetRegValue(HKEY_LOCAL_MACHINE, kSettingsKey, name, text);
}

int Selected(HWND list, UINT getSelection)
{
    return static_cast<int>(SendMessageA(list, getSelection, 0, 0));
}

std::string ListEntry(HWND list, int index)
{
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) { return ""; }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

void AddEntry(HWND list, UINT addMessage, const std::string& text)
{
    SendMessageA(list, addMessage, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

RECT Shifted(RECT rect, int dx, int dy)
{
    OffsetRect(&rect, dx, dy);
    return rect;
}

}  // namespace

SettingsDialog::SettingsDialog(ShellValues& values)
    : ModalDialog(" Settings", kWidth, kHeight), values_(values)
{
    compiler_.pathName = "CompilerPath";
    compiler_.paramBase = "Param";
    linker_.pathName = "LinkerPath";
    linker_.paramBase = "LinkParam";
}

void SettingsDialog::OnLoad()
{
    loading_ = true;
    for (std::vector<HWND>& page : pages_) { page.clear(); }
    currentPage_ = 0;
    MakeCommonControls();
    MakeGeneralPage();
    MakeProcessorPage();
    MakeToolPage({2, " Use Compiler", kCheck4, "Path to compiler :", kText1, kCommand3, kCombo1,
                  "Compiler parameters :", kText2});
    MakeToolPage({3, " Use Linker", kCheck3, "Path to linker :", kText4, kCommand4, kCombo2,
                  "Linker parameters :", kText3});
    MakeToolPage({4, nullptr, 0, "Path to resource compiler :", kText6, kCommand5, kCombo3,
                  "Compiler parameters :", kText5});
    EnableWindow(GetDlgItem(Hwnd(), kCombo3), FALSE);
    MakeEnvironmentPage();
    compiler_.pathBox = GetDlgItem(Hwnd(), kText1);
    compiler_.paramsBox = GetDlgItem(Hwnd(), kText2);
    compiler_.configList = GetDlgItem(Hwnd(), kCombo1);
    linker_.pathBox = GetDlgItem(Hwnd(), kText4);
    linker_.paramsBox = GetDlgItem(Hwnd(), kText3);
    linker_.configList = GetDlgItem(Hwnd(), kCombo2);
    FillControls();
    loading_ = false;
}

void SettingsDialog::OnUnload()
{
    xp1_.reset();
    xp2_.reset();
}

void SettingsDialog::MakeCommonControls()
{
    header_.Create(Hwnd(), RECT{0, 0, kWidth, kHeaderHeight}, "HEADER_SETTINGS",
                   "Kiln Ide is fully configurable interface development enviroment and would be used as "
                   "editor for any other language. To use it, please specify all needed settings.",
                   Font());
    AddControl("STATIC", "Specify all required settings for program, that ", SS_LEFT,
               RECT{kMargin, 68, kWidth - kMargin, 84}, -1);
    HWND pageList =
        AddControl("LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                   RECT{kMargin, kBodyTop, kMargin + kPageListWidth, kBodyBottom}, kList1, WS_EX_CLIENTEDGE);
    for (const char* name : kPageNames) { AddEntry(pageList, LB_ADDSTRING, name); }
    AddControl("STATIC", "", SS_ETCHEDHORZ, RECT{kMargin, kBodyBottom + 6, kWidth - kMargin, kBodyBottom + 8},
               -1);
    const int top = kHeight - kMargin - kButtonHeight;
    const int cancelLeft = kWidth - kMargin - kButtonWidth;
    const int okLeft = cancelLeft - 8 - kButtonWidth;
    AddControl("BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON,
               RECT{okLeft, top, okLeft + kButtonWidth, top + kButtonHeight}, kCommand2);
    AddControl("BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON,
               RECT{cancelLeft, top, cancelLeft + kButtonWidth, top + kButtonHeight}, kCommand1);
}

// A control of one page, placed in page coordinates; only page 0 shows at
// first.
HWND SettingsDialog::AddPageControl(int page, const char* className, const std::string& text, DWORD style,
                                    RECT rect, int id, DWORD exStyle)
{
    HWND control = AddControl(className, text, style, Shifted(rect, kPageLeft, kBodyTop), id, exStyle);
    if (!control) { return nullptr; }
    if (page != 0) { ShowWindow(control, SW_HIDE); }
    pages_[page].push_back(control);
    return control;
}

void SettingsDialog::MakeGeneralPage()
{
    const int w = kPageWidth;
    AddPageControl(0, "STATIC", "Associating Files", SS_LEFT, RECT{0, 0, w, 16});
    AddPageControl(0, "BUTTON", "Associate KLN files with Kiln Forge 2003", kCheckStyle, RECT{12, 22, w, 42},
                   kCheck1);
    AddPageControl(0, "STATIC", "Default Syntax File :", SS_LEFT, RECT{0, 60, w, 76});
    AddPageControl(0, "EDIT", "", kBoxStyle, RECT{0, 78, w - kBrowseWidth - 4, 78 + kBoxHeight}, kText8,
                   WS_EX_CLIENTEDGE);
    AddPageControl(0, "BUTTON", "...", WS_TABSTOP, RECT{w - kBrowseWidth, 78, w, 78 + kBoxHeight}, kCommand7);
}

void SettingsDialog::MakeProcessorPage()
{
    const int w = kPageWidth;
    AddPageControl(1, "BUTTON", " Use compiler preprocesor :", kCheckStyle, RECT{0, 0, w, 20}, kCheck2);
    AddPageControl(1, "STATIC",
                   "Proprocessor is called first, before compiling and linking source file and can by used "
                   "for preproces source code in thirt party compilers.",
                   SS_LEFT, RECT{0, 26, w, 66});
    AddPageControl(1, "EDIT", "", kBoxStyle, RECT{0, 72, w - kBrowseWidth - 4, 72 + kBoxHeight}, kText10,
                   WS_EX_CLIENTEDGE);
    AddPageControl(1, "BUTTON", "...", WS_TABSTOP, RECT{w - kBrowseWidth, 72, w, 72 + kBoxHeight}, kCommand9);
    AddPageControl(1, "STATIC", "Preprocessor parameters :", SS_LEFT, RECT{0, 104, w, 120});
    AddPageControl(1, "EDIT", "", kBoxStyle, RECT{0, 122, w, 122 + kBoxHeight}, kText11, WS_EX_CLIENTEDGE);
    MakePlaceholderHelp(1, kHelpTop);
}

void SettingsDialog::MakeToolPage(const ToolPageSpec& spec)
{
    const int w = kPageWidth;
    const int page = spec.page;
    if (spec.checkText) {
        AddPageControl(page, "BUTTON", spec.checkText, kCheckStyle, RECT{0, 0, w, 20}, spec.checkId);
    }
    AddPageControl(page, "STATIC", spec.pathLabel, SS_LEFT, RECT{0, 30, w, 46});
    AddPageControl(page, "EDIT", "", kBoxStyle, RECT{0, 48, w - kBrowseWidth - 4, 48 + kBoxHeight},
                   spec.pathId, WS_EX_CLIENTEDGE);
    AddPageControl(page, "BUTTON", "...", WS_TABSTOP, RECT{w - kBrowseWidth, 48, w, 48 + kBoxHeight},
                   spec.browseId);
    HWND combo = AddPageControl(page, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                RECT{0, 80, 180, 200}, spec.comboId);
    for (const char* configuration : kConfigurations) { AddEntry(combo, CB_ADDSTRING, configuration); }
    AddPageControl(page, "STATIC", spec.paramsLabel, SS_LEFT, RECT{0, 112, w, 128});
    AddPageControl(page, "EDIT", "", kBoxStyle, RECT{0, 130, w, 130 + kBoxHeight}, spec.paramsId,
                   WS_EX_CLIENTEDGE);
    MakePlaceholderHelp(page, kHelpTop);
}

void SettingsDialog::MakePlaceholderHelp(int page, int top)
{
    static const char* const kPlaceholders[][2] = {
        {"%FILE%", "- name of opened file without extension"},
        {"%PATH%", "- path to opened file"},
        {"%FULL%", "- full path with filename"},
    };
    const int w = kPageWidth;
    AddPageControl(page, "STATIC", "To customize setting you can use :", SS_LEFT, RECT{0, top, w, top + 16});
    int y = top + 20;
    for (const auto& placeholder : kPlaceholders) {
        AddPageControl(page, "STATIC", placeholder[0], SS_LEFT | SS_NOPREFIX, RECT{12, y, 72, y + 16});
        AddPageControl(page, "STATIC", placeholder[1], SS_LEFT, RECT{76, y, w, y + 16});
        y += 16;
    }
}

void SettingsDialog::MakeEnvironmentPage()
{
    const int w = kPageWidth;
    AddPageControl(5, "STATIC", "Environment - PATH", SS_LEFT, RECT{0, 0, w, 16});
    AddPageControl(5, "STATIC", "Environment - PATH :", SS_LEFT, RECT{0, 24, w, 40});
    AddPageControl(5, "LISTBOX", "", WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                   RECT{0, 42, w - 122, kBodyBottom - kBodyTop}, kList2, WS_EX_CLIENTEDGE);
    xp1_ = MakeListButton(kXp1, 42, "New Item", "ICON_ADD");
    xp2_ = MakeListButton(kXp2, 72, "Remove Item", "ICON_REMOVE");
    xp1_->onClick = [this] { AddPathEntry(); };
    xp2_->onClick = [this] { RemovePathEntry(); };
}

std::unique_ptr<ButtonXP> SettingsDialog::MakeListButton(int id, int top, const char* caption,
                                                         const char* icon)
{
    const RECT rect = Shifted(RECT{kPageWidth - 112, top, kPageWidth, top + 24}, kPageLeft, kBodyTop);
    auto button = std::make_unique<ButtonXP>(Hwnd(), id, rect, 3);
    button->SetCaption(caption);
    // The window text names the button too, for tools that read windows.
    if (button->Hwnd()) { SetWindowTextA(button->Hwnd(), caption); }
    if (HICON picture =
            static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), icon, IMAGE_ICON, 16, 16, 0))) {
        button->SetButtonIcon(picture);
        DestroyIcon(picture);
    }
    if (button->Hwnd()) {
        ShowWindow(button->Hwnd(), SW_HIDE);
        pages_[5].push_back(button->Hwnd());
    }
    return button;
}

// The boxes from the registry and the user's PATH, every configuration
// list at its first entry.
void SettingsDialog::FillControls()
{
    for (int combo : {kCombo1, kCombo2, kCombo3}) { SendDlgItemMessageA(Hwnd(), combo, CB_SETCURSEL, 0, 0); }
    compiler_.previousConfig = 0;
    linker_.previousConfig = 0;
    const bool associated = !GetRegValue(HKEY_CLASSES_ROOT, ".kln", "").empty();
    CheckDlgButton(Hwnd(), kCheck1, associated ? BST_CHECKED : BST_UNCHECKED);
    const std::pair<int, const char*> checks[] = {
        {kCheck2, "UseProcessor"}, {kCheck3, "UseLinker"}, {kCheck4, "UseCompiler"}};
    for (const auto& check : checks) {
        CheckDlgButton(Hwnd(), check.first, IsSettingOn(Setting(check.second)) ? BST_CHECKED : BST_UNCHECKED);
    }
    const std::pair<int, const char*> boxes[] = {
        {kText1, "CompilerPath"}, {kText2, "Param0"},     {kText4, "LinkerPath"},
        {kText3, "LinkParam0"},   {kText6, "ResPath"},    {kText5, "ResParam0"},
        {kText10, "ProcPath"},    {kText11, "ProcParam"}, {kText8, "SyntaxFile"}};
    for (const auto& box : boxes) { SetDlgItemTextA(Hwnd(), box.first, Setting(box.second).c_str()); }
    HWND pathList = GetDlgItem(Hwnd(), kList2);
    for (const std::string& entry : SplitPathList(GetUserEnvVar("PATH"))) {
        AddEntry(pathList, LB_ADDSTRING, entry);
    }
    SendDlgItemMessageA(Hwnd(), kList1, LB_SETCURSEL, 0, 0);
}

void SettingsDialog::OnCommand(int id, int notifyCode, HWND)
{
    switch (id) {
        case kList1:
            if (notifyCode == LBN_SELCHANGE) { ShowPage(Selected(GetDlgItem(Hwnd(), kList1), LB_GETCURSEL)); }
            break;
        case kCombo1:
            if (notifyCode == CBN_SELCHANGE) { SwitchConfiguration(compiler_); }
            break;
        case kCombo2:
            if (notifyCode == CBN_SELCHANGE) { SwitchConfiguration(linker_); }
            break;
        case kCheck4:
            if (notifyCode == BN_CLICKED) { StoreCheck(kCheck4, "UseCompiler"); }
            break;
        case kCheck3:
            if (notifyCode == BN_CLICKED) { StoreCheck(kCheck3, "UseLinker"); }
            break;
        case kCommand3:
            Browse(kText1);
            break;
        case kCommand4:
            Browse(kText4);
            break;
        case kCommand5:
            Browse(kText6);
            break;
        case kCommand7:
            Browse(kText8);
            break;
        case kCommand9:
            Browse(kText10);
            break;
        case kList2:
            if (notifyCode == LBN_DBLCLK) { EditPathEntry(); }
            break;
        case kCommand2:
            Save();
            EndModal(IDOK);
            break;
        case kCommand1:
            EndModal(IDCANCEL);
            break;
    }
}

void SettingsDialog::ShowPage(int index)
{
    if (index < 0 || index == currentPage_) { return; }
    currentPage_ = index;
    for (int page = 0; page < kPageCount; ++page) {
        for (HWND control : pages_[page]) { ShowWindow(control, page == index ? SW_SHOW : SW_HIDE); }
    }
}

// Stores the tool's program and the parameters of the configuration left,
// then shows the stored ones of the configuration chosen.
void SettingsDialog::SwitchConfiguration(ConfiguredTool& tool)
{
    const int selected = Selected(tool.configList, CB_GETCURSEL);
    if (loading_ || selected < 0) { return; }
    StoreSetting(tool.pathName, Trim(WindowText(tool.pathBox)));
    StoreSetting(ConfigurationValueName(tool.paramBase, tool.previousConfig),
                 Trim(WindowText(tool.paramsBox)));
    SetWindowTextA(tool.pathBox, Setting(tool.pathName).c_str());
    SetWindowTextA(tool.paramsBox, Setting(ConfigurationValueName(tool.paramBase, selected)).c_str());
    tool.previousConfig = selected;
}

void SettingsDialog::StoreCheck(int checkId, const char* name)
{
    StoreSetting(name, SettingText(IsTicked(checkId)));
}

void SettingsDialog::Browse(int pathBoxId)
{
    const std::string chosen = Trim(ShowOpen(Hwnd(), kBrowseFilter, kBrowseTitle, OFN_EXPLORER));
    if (!chosen.empty()) { SetDlgItemTextA(Hwnd(), pathBoxId, chosen.c_str()); }
}

// A double click edits the selected entry; with none selected there is
// nothing to edit.
void SettingsDialog::EditPathEntry()
{
    HWND pathList = GetDlgItem(Hwnd(), kList2);
    const int index = Selected(pathList, LB_GETCURSEL);
    if (index < 0) { return; }
    valueEditor_.SetReturnValue(ListEntry(pathList, index));
    auto alive = AliveToken();
    valueEditor_.ShowModal(Hwnd());
    const std::string edited = Trim(valueEditor_.ReturnValue());
    if (!*alive || edited.empty()) { return; }
    SendMessageA(pathList, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageA(pathList, LB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(edited.c_str()));
    SendMessageA(pathList, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void SettingsDialog::AddPathEntry()
{
    valueEditor_.SetReturnValue("");
    auto alive = AliveToken();
    valueEditor_.ShowModal(Hwnd());
    const std::string added = Trim(valueEditor_.ReturnValue());
    if (*alive && !added.empty()) { AddEntry(GetDlgItem(Hwnd(), kList2), LB_ADDSTRING, added); }
}

void SettingsDialog::RemovePathEntry()
{
    auto alive = AliveToken();
    const int answer = ShowMessage(Hwnd(), " Are you sure to remove this item ?!   ", "Remove",
                                   MB_YESNO | MB_ICONEXCLAMATION);
    if (!*alive || answer != IDYES) { return; }
    HWND pathList = GetDlgItem(Hwnd(), kList2);
    const int index = Selected(pathList, LB_GETCURSEL);
    if (index >= 0) { SendMessageA(pathList, LB_DELETESTRING, static_cast<WPARAM>(index), 0); }
}

// OK: every value of the dialog and the PATH, changed or not.
void SettingsDialog::Save()
{
    SaveAssociations();
    StoreSetting("CompilerPath", BoxText(kText1));
    StoreSetting(ConfigurationValueName("Param", Selected(compiler_.configList, CB_GETCURSEL)),
                 BoxText(kText2));
    StoreSetting("LinkerPath", BoxText(kText4));
    StoreSetting(ConfigurationValueName("LinkParam", Selected(linker_.configList, CB_GETCURSEL)),
                 BoxText(kText3));
    StoreSetting("ResPath", BoxText(kText6));
    StoreSetting(ConfigurationValueName("ResParam", Selected(GetDlgItem(Hwnd(), kCombo3), CB_GETCURSEL)),
                 BoxText(kText5));
    StoreSetting("UseProcessor", SettingText(IsTicked(kCheck2)));
    StoreSetting("ProcPath", BoxText(kText10));
    StoreSetting("ProcParam", BoxText(kText11));
    StoreSetting("SyntaxFile", BoxText(kText8));
    HWND pathList = GetDlgItem(Hwnd(), kList2);
    std::vector<std::string> entries;
    const int count = static_cast<int>(SendMessageA(pathList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) { entries.push_back(ListEntry(pathList, i)); }
    SetUserEnvVar("PATH", JoinPathList(entries));
    values_.syntaxFilePath = BoxText(kText8);
    BroadcastEnvChange();
}

// Ticked: the association values, in order. Cleared: the extension keys
// go; the class keys stay.
void SettingsDialog::SaveAssociations()
{
    if (IsTicked(kCheck1)) {
        for (const Association& association : FileAssociations(AppPath())) {
            SetRegValue(HKEY_CLASSES_ROOT, association.key, "", association.value);
        }
    } else {
        for (const std::string& extension : AssociatedExtensions()) {
            DeleteRegKey(HKEY_CLASSES_ROOT, extension);
        }
    }
}

bool SettingsDialog::IsTicked(int checkId) const
{
    return IsDlgButtonChecked(Hwnd(), checkId) == BST_CHECKED;
}

std::string SettingsDialog::BoxText(int id) const { return Trim(WindowText(GetDlgItem(Hwnd(), id))); }

}  // namespace kforge
