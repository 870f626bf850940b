#pragma once
// The Project Properties dialog: the solution's start-up file among the
// Project Explorer's files, the build batch, and a tree of property pages
// whose rows show in a property list. OK stores the start-up file and the
// build batch in the host's solution values; the configuration and the rows
// are shown only. Neither OK nor Cancel answers Enter or Escape; the close
// box cancels. The build batch box and its "..." button lie below the
// client area, out of sight, and still take part in loading and OK.

#include <memory>
#include <string>

#include "IProjectPropertiesHost.h"
#include "ModalDialog.h"
#include "PropList.h"
#include "Tree.h"

namespace kforge {

class ProjectPropertiesDialog : public ModalDialog {
public:
    // The ids of its controls.
    static constexpr int kConfigurationId = 110;  // "Debug" / "Release"
    static constexpr int kStartupId = 111;        // the start-up file
    static constexpr int kPagesId = 112;          // the page tree
    static constexpr int kPropertiesId = 113;     // the property list
    static constexpr int kPageTitleId = 114;      // the selected page's text
    static constexpr int kRowNameId = 115;        // the current row's name
    static constexpr int kRowDescriptionId = 116;
    static constexpr int kOkId = 120;
    static constexpr int kCancelId = 121;
    static constexpr int kHelpId = 122;
    static constexpr int kProjectNameId = 130;  // a fixed "Project1", never used
    static constexpr int kBuildBatchId = 131;
    static constexpr int kBrowseId = 132;  // picks the build batch

    explicit ProjectPropertiesDialog(IProjectPropertiesHost& host);
    ~ProjectPropertiesDialog() override;

    // The property list while the dialog shows, else null.
    const PropList* Properties() const { return properties_.get(); }

private:
    void OnLoad() override;
    void OnUnload() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    void OnClose() override;

    void CreateControls();
    HWND AddLabel(const std::string& text, const RECT& rect, int id, bool bold);
    void LoadPages();
    void FillPage(const std::string& pageKey);
    void LoadStartupFiles();
    void ShowRow(int row);
    void StartupChanged();
    void BrowseBuildBatch();
    void Accept();

    IProjectPropertiesHost& host_;
    std::unique_ptr<Tree> pages_;
    std::unique_ptr<PropList> properties_;
    HFONT boldFont_ = nullptr;
    HWND configuration_ = nullptr;
    HWND startup_ = nullptr;
    HWND pageTitle_ = nullptr;
    HWND rowName_ = nullptr;
    HWND rowDescription_ = nullptr;
    HWND buildBatch_ = nullptr;
    bool loading_ = false;  // selection changes of the load show no warning
};

}  // namespace kforge
