#pragma once
// The New Project dialog: asks for a project name, a location folder and a
// project type, and on "Create" makes the folder location\name and opens
// the new project in the IDE (NewProjectSequence): its solution file
// name.ksl and its first source name.kln from the type's template. After a
// failed check it stays open with the fields as typed. "Create" is the
// default button (Enter), "Cancel" the cancel button (Escape, the close
// box).

#include <memory>
#include <string>

#include "ButtonXP.h"
#include "DialogHeader.h"
#include "FlatCtl.h"
#include "INewProjectHost.h"
#include "ModalDialog.h"

namespace kforge {

class NewProjectDialog : public ModalDialog {
public:
    // The ids of its controls.
    static constexpr int kNameId = 101;      // Text2
    static constexpr int kLocationId = 102;  // Text1
    static constexpr int kBrowseId = 103;    // ButtonXP1
    static constexpr int kTypeId = 104;      // Combo1
    static constexpr int kCreateId = IDOK;
    static constexpr int kCancelId = IDCANCEL;

    explicit NewProjectDialog(INewProjectHost& host);
    ~NewProjectDialog() override;

private:
    void OnLoad() override;
    void OnUnload() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    void AddHeader();
    void AddFields();
    void AddTypeList();
    void AddLabel(const std::string& text, const RECT& rect);
    void Browse();
    void Create();
    bool MakeProjectFolder(const std::string& location, const std::string& name);
    void ShowError(const std::string& text);
    HWND Owner() const;

    INewProjectHost& host_;
    DialogHeader header_;
    HFONT boldFont_ = nullptr;
    HWND heading_ = nullptr;  // Label1 and Label5, white on the header band
    HWND explanation_ = nullptr;
    HWND name_ = nullptr;
    HWND location_ = nullptr;
    HWND type_ = nullptr;
    std::unique_ptr<ButtonXP> browse_;
    std::unique_ptr<FlatCtl> typeLook_;  // the type list's flat look, from load to unload
};

}  // namespace kforge
