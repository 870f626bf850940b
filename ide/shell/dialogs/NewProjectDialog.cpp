#include "NewProjectDialog.h"

#include "AppPath.h"
#include "Dialogs.h"
#include "Gdi.h"
#include "MessagePump.h"
#include "NewProjectSequence.h"
#include "NowText.h"
#include "SavePrompt.h"
#include "SourceTemplates.h"
#include "Texts.h"
#include "WindowText.h"

namespace kforge {

namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 282;
constexpr int kHeaderHeight = 64;
constexpr int kMargin = 12;
constexpr int kTextLeft = 56;  // right of the header's 32-pixel picture
constexpr int kFieldLeft = 84;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;
constexpr int kBrowseSize = 19;  // ButtonXP's square style

constexpr const char* kTypes[] = {"GUI", "DLL", "Console", "Interface"};

}  // namespace

NewProjectDialog::NewProjectDialog(INewProjectHost& host)
    : ModalDialog(" New Project ...", kWidth, kHeight), host_(host)
{
}

NewProjectDialog::~NewProjectDialog()
{
    if (boldFont_) { DeleteObject(boldFont_); }
}

void NewProjectDialog::OnLoad()
{
    AddHeader();
    AddFields();
    AddTypeList();
    const int top = kHeight - kMargin - kButtonHeight;
    const int cancelLeft = kWidth - kMargin - kButtonWidth;
    const int createLeft = cancelLeft - 8 - kButtonWidth;
    AddControl("BUTTON", "Create", WS_TABSTOP | BS_DEFPUSHBUTTON,
               RECT{createLeft, top, createLeft + kButtonWidth, top + kButtonHeight}, kCreateId);
    AddControl("BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON,
               RECT{cancelLeft, top, cancelLeft + kButtonWidth, top + kButtonHeight}, kCancelId);
    SetWindowPos(header_.Hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!LetMessagesRun()) { return; }
    SetWindowTextA(location_, (AppPath() + "\\projects").c_str());
    SendMessageA(type_, CB_SETCURSEL, 0, 0);
    PumpPendingMessages();
}

// The band's labels lie over it: the band leaves their places unpainted
// and goes below them once every control is made.
void NewProjectDialog::AddHeader()
{
    header_.Create(Hwnd(), RECT{0, 0, kWidth, kHeaderHeight}, "HEADER_NEWPROJECT", "", Font());
    HWND band = header_.Hwnd();
    SetWindowLongPtrA(band, GWL_STYLE, GetWindowLongPtrA(band, GWL_STYLE) | WS_CLIPSIBLINGS);
    if (!boldFont_) { boldFont_ = MakeFont("Tahoma", 8, true, false); }
    heading_ = AddControl("STATIC", "Create new Kiln project.", SS_LEFT | SS_NOPREFIX,
                          RECT{kTextLeft, 10, kWidth - kMargin, 24}, -1);
    SendMessageA(heading_, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), FALSE);
    explanation_ = AddControl("STATIC",
                              "Enter name of new project and select location, where new project will be "
                              "created.",
                              SS_LEFT | SS_NOPREFIX, RECT{kTextLeft, 28, kWidth - kMargin, 58}, -1);
}

void NewProjectDialog::AddFields()
{
    const int right = kWidth - kMargin;
    AddLabel("Name :", RECT{kMargin, 83, kFieldLeft - 4, 99});
    name_ = AddControl("EDIT", "Project1", WS_TABSTOP | ES_AUTOHSCROLL, RECT{kFieldLeft, 80, right, 101},
                       kNameId, WS_EX_CLIENTEDGE);
    AddLabel("Location :", RECT{kMargin, 115, kFieldLeft - 4, 131});
    const int browseLeft = right - kBrowseSize;
    location_ = AddControl("EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL,
                           RECT{kFieldLeft, 112, browseLeft - 4, 133}, kLocationId, WS_EX_CLIENTEDGE);
    browse_ = std::make_unique<ButtonXP>(Hwnd(), kBrowseId,
                                         RECT{browseLeft, 113, browseLeft + kBrowseSize, 113 + kBrowseSize});
    // The button takes the picture's pixels; the handle is not kept.
    if (HICON icon =
            static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "ICON_OPEN", IMAGE_ICON, 16, 16, 0))) {
        browse_->SetButtonIcon(icon);
        DestroyIcon(icon);
    }
    browse_->onClick = [this] { Browse(); };
    AddLabel("The new folder will be automaticaly created in defined location.",
             RECT{kFieldLeft, 138, right, 154});
}

void NewProjectDialog::AddTypeList()
{
    AddLabel("Type :", RECT{kMargin, 173, kFieldLeft - 4, 189});
    type_ = AddControl("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                       RECT{kFieldLeft, 170, kFieldLeft + 160, 270}, kTypeId);
    for (const char* type : kTypes) { SendMessageA(type_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(type)); }
    typeLook_ = std::make_unique<FlatCtl>();
    typeLook_->Attach(type_);
}

void NewProjectDialog::AddLabel(const std::string& text, const RECT& rect)
{
    AddControl("STATIC", text, SS_LEFT | SS_NOPREFIX, rect, -1);
}

void NewProjectDialog::OnUnload()
{
    typeLook_.reset();
    browse_.reset();
}

void NewProjectDialog::OnCommand(int id, int, HWND)
{
    if (id == kCreateId) {
        Create();
    } else if (id == kCancelId) {
        EndModal(IDCANCEL);
    }
}

LRESULT NewProjectDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CTLCOLORSTATIC) {
        const HWND label = reinterpret_cast<HWND>(lParam);
        if (label == heading_ || label == explanation_) {
            SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        }
    }
    return ModalDialog::OnMessage(msg, wParam, lParam);
}

void NewProjectDialog::Browse() { SetWindowTextA(location_, Trim(BrowseForFolder(Hwnd())).c_str()); }

void NewProjectDialog::Create()
{
    const std::string name = Trim(WindowText(name_));
    const std::string location = Trim(WindowText(location_));
    if (name.empty() || location.empty()) {
        ShowError("Type all information !");
        return;
    }
    const int row = static_cast<int>(SendMessageA(type_, CB_GETCURSEL, 0, 0));
    if (!MakeProjectFolder(location, name)) { return; }
    ShowWindow(Hwnd(), SW_HIDE);
    NewProject project{name, NewProjectPaths(location, name), std::nullopt};
    if (auto type = ProjectTypeOfRow(row)) { project.source = ProjectSource(*type, NowText()); }
    NewProjectSequence sequence(host_);
    // Asked while the dialog is hidden, over the window it was shown for.
    sequence.onAskSave = [this] { return AskSaveChanges(Owner()); };
    sequence.Open(project);
    EndModal(IDOK);
}

// The location becomes the current folder and the project's folder is made
// in it. A name that is not a plain folder name (a path, "." or "..") would
// put the project somewhere else, so it cannot be made either.
bool NewProjectDialog::MakeProjectFolder(const std::string& location, const std::string& name)
{
    if (!SetCurrentDirectoryA(location.c_str()) || !IsProjectFolderName(name)) {
        ShowError("Error creating project folder !");
        return false;
    }
    if (GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES) {
        ShowError(ProjectExistsMessage(name));
        return false;
    }
    if (!CreateDirectoryA(name.c_str(), nullptr)) {
        ShowError("Error creating project folder !");
        return false;
    }
    return true;
}

void NewProjectDialog::ShowError(const std::string& text)
{
    ShowMessage(Hwnd(), text, "Error !", MB_ICONHAND);
}

HWND NewProjectDialog::Owner() const { return GetWindow(Hwnd(), GW_OWNER); }

}  // namespace kforge
