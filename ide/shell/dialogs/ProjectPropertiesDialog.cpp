#include "ProjectPropertiesDialog.h"

#include "Dialogs.h"
#include "Gdi.h"
#include "PropertyPages.h"
#include "Texts.h"
#include "WindowText.h"

namespace kforge {

namespace {

// The layout is in twips, like the client area of 9270 by 6060 twips.
constexpr int kClientWidth = 9270;
constexpr int kClientHeight = 6060;
constexpr COLORREF kMaskColour = RGB(255, 0, 255);
constexpr DWORD kPageTreeLines = 0x50000000;  // child and visible: no buttons, no lines
constexpr LPARAM kNoFile = -1;

const char kUnsavedWarning[] = " File must be saved before select it !    ";
const char kBatchFilter[] =
    "Executable Files (*.exe, *.com, *.bat)\0*.exe; *.com; *.bat\0All Files (*.*)\0*.*\0";

RECT Twips(int left, int top, int width, int height)
{
    return RECT{TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(left + width),
                TwipsToPixelsY(top + height)};
}

void AddComboRow(HWND combo, const std::string& text, LPARAM data)
{
    const LRESULT row = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (row >= 0) { SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(row), data); }
}

// The item data of the combo box's selected row; kNoFile without one.
LPARAM SelectedData(HWND combo)
{
    const LRESULT row = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    return row == CB_ERR ? kNoFile : SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(row), 0);
}

}  // namespace

ProjectPropertiesDialog::ProjectPropertiesDialog(IProjectPropertiesHost& host)
    : ModalDialog(" Project Properties", TwipsToPixelsX(kClientWidth), TwipsToPixelsY(kClientHeight)),
      host_(host)
{
}

ProjectPropertiesDialog::~ProjectPropertiesDialog()
{
    if (boldFont_) { DeleteObject(boldFont_); }
}

void ProjectPropertiesDialog::OnLoad()
{
    loading_ = true;
    CreateControls();
    LoadPages();
    LoadStartupFiles();
    SendMessageA(configuration_, CB_SETCURSEL, 0, 0);
    SetWindowTextA(buildBatch_, host_.Values().solutionBuildBatch.c_str());
    loading_ = false;
}

void ProjectPropertiesDialog::OnUnload()
{
    pages_.reset();
    properties_.reset();
}

void ProjectPropertiesDialog::CreateControls()
{
    if (!boldFont_) { boldFont_ = MakeFont("Tahoma", 8, true, false); }
    constexpr DWORD kCombo = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    AddLabel("Configuration:", Twips(120, 165, 1260, 255), -1, false);
    configuration_ = AddControl("COMBOBOX", "", kCombo, Twips(1440, 120, 2040, 2400), kConfigurationId);
    AddComboRow(configuration_, "Debug", 0);
    AddComboRow(configuration_, "Release", 1);
    AddLabel("Startup:", Twips(3660, 165, 660, 255), -1, false);
    startup_ = AddControl("COMBOBOX", "", kCombo, Twips(4380, 120, 4770, 2400), kStartupId);

    pages_ = std::make_unique<Tree>(Hwnd(), kPagesId, Twips(120, 600, 2700, 4560));
    pages_->onAfterSelChanged = [this](const std::string& text, const std::string& key, int) {
        SetWindowTextA(pageTitle_, text.c_str());
        FillPage(key);
    };
    pageTitle_ = AddLabel("Settings", Twips(2940, 600, 6210, 255), kPageTitleId, true);
    properties_ = std::make_unique<PropList>(Hwnd(), kPropertiesId, Twips(2940, 900, 6210, 2940));
    properties_->onRowChanged = [this](int row) { ShowRow(row); };
    rowName_ = AddLabel("Description", Twips(2940, 3960, 6210, 255), kRowNameId, true);
    rowDescription_ = AddLabel("", Twips(2940, 4260, 6210, 900), kRowDescriptionId, false);
    AddControl("STATIC", "", SS_ETCHEDHORZ, Twips(120, 5340, 9030, 30), -1);

    AddControl("BUTTON", "OK", WS_TABSTOP | BS_PUSHBUTTON, Twips(5310, 5520, 1200, 375), kOkId);
    AddControl("BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON, Twips(6630, 5520, 1200, 375), kCancelId);
    AddControl("BUTTON", "Help", WS_TABSTOP | BS_PUSHBUTTON, Twips(7950, 5520, 1200, 375), kHelpId);

    // Below the client area.
    AddControl("EDIT", "Project1", WS_TABSTOP | ES_AUTOHSCROLL, Twips(120, 6435, 1800, 315), kProjectNameId,
               WS_EX_CLIENTEDGE);
    buildBatch_ = AddControl("EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, Twips(120, 6840, 8400, 315),
                             kBuildBatchId, WS_EX_CLIENTEDGE);
    AddControl("BUTTON", "...", WS_TABSTOP | BS_PUSHBUTTON, Twips(8640, 6840, 510, 315), kBrowseId);
}

HWND ProjectPropertiesDialog::AddLabel(const std::string& text, const RECT& rect, int id, bool bold)
{
    HWND label = AddControl("STATIC", text, SS_LEFT | SS_NOPREFIX, rect, id);
    if (bold) { SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), FALSE); }
    return label;
}

void ProjectPropertiesDialog::LoadPages()
{
    HIMAGELIST images = pages_->LoadList("tree1", kMaskColour, -1, 48, 16);
    pages_->DeleteAllItems();
    pages_->SetHImageList(images);
    pages_->SetSingleSel(true);
    pages_->SetLines(kPageTreeLines);
    for (const PropertyPage& page : PropertyPages()) {
        pages_->AddItem(page.parent, 0, page.key, page.text, page.image, page.selectedImage);
        if (page.key == kFirstPropertyPage) { FillPage(page.key); }
    }
    pages_->SelectItem(kFirstPropertyPage);
}

// Rows start from scratch: whatever the user typed into the last page's
// rows is gone.
void ProjectPropertiesDialog::FillPage(const std::string& pageKey)
{
    properties_->Clear();
    const std::vector<PageRow>& rows = PropertyPageRows(pageKey);
    for (const PageRow& row : rows) {
        properties_->AddRow(row.name, row.kind);
        if (PropRow* added = properties_->Row(properties_->RowCount() - 1)) {
            added->SetDescription(row.description);
        }
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        PropRow* added = properties_->Row(static_cast<int>(i));
        if (!added) { continue; }
        for (const std::string& value : rows[i].values) { added->Values().Add(value); }
    }
}

void ProjectPropertiesDialog::LoadStartupFiles()
{
    SendMessageA(startup_, CB_RESETCONTENT, 0, 0);
    AddComboRow(startup_, "[None]", kNoFile);
    int selected = 0;
    int row = 0;
    const int count = host_.ExplorerItemCount();
    for (int i = 0; i < count; ++i) {
        const TreeNode item = host_.ExplorerItemNode(i);
        if (!StartsWith(item.key, "file")) { continue; }
        AddComboRow(startup_, item.text, i);
        ++row;
        if (Trim(item.tag) == host_.Values().solutionStartup) { selected = row; }
    }
    SendMessageA(startup_, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void ProjectPropertiesDialog::ShowRow(int row)
{
    const PropRow* current = properties_ ? properties_->Row(row) : nullptr;
    if (!current) { return; }
    SetWindowTextA(rowName_, current->Name().c_str());
    SetWindowTextA(rowDescription_, current->Description().c_str());
}

// A file never saved has no path to start: it cannot be the start-up file.
void ProjectPropertiesDialog::StartupChanged()
{
    if (loading_) { return; }
    const LPARAM index = SelectedData(startup_);
    if (index == kNoFile) { return; }
    const TreeNode item = host_.ExplorerItemNode(static_cast<int>(index));
    if (StartsWith(item.key, "file") && Trim(item.tag).empty()) {
        ShowMessage(Hwnd(), kUnsavedWarning, "Warning !", MB_ICONHAND);
        SendMessageA(startup_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
}

void ProjectPropertiesDialog::BrowseBuildBatch()
{
    const std::string path =
        ShowOpen(Hwnd(), std::string(kBatchFilter, sizeof kBatchFilter - 1), "Open File ...", OFN_EXPLORER);
    if (!Trim(path).empty()) { SetWindowTextA(buildBatch_, path.c_str()); }
}

void ProjectPropertiesDialog::Accept()
{
    ShellValues& values = host_.Values();
    values.solutionBuildBatch = Trim(WindowText(buildBatch_));
    host_.RenameExplorerItem(0, values.solutionName);
    const LPARAM index = SelectedData(startup_);
    values.solutionStartup =
        index == kNoFile ? "" : Trim(host_.ExplorerItemNode(static_cast<int>(index)).tag);
    EndModal(IDOK);
}

// IDOK and IDCANCEL, which Enter and Escape send, do nothing here.
void ProjectPropertiesDialog::OnCommand(int id, int notifyCode, HWND)
{
    if (id == kStartupId && notifyCode == CBN_SELCHANGE) {
        StartupChanged();
    } else if (id == kBrowseId && notifyCode == BN_CLICKED) {
        BrowseBuildBatch();
    } else if (id == kOkId && notifyCode == BN_CLICKED) {
        Accept();
    } else if (id == kCancelId && notifyCode == BN_CLICKED) {
        EndModal(IDCANCEL);
    }
}

void ProjectPropertiesDialog::OnClose() { EndModal(IDCANCEL); }

}  // namespace kforge
