#pragma once
// The Settings dialog: the outside tools a build runs (preprocessor,
// compiler, linker, resource compiler) with their parameters per build
// configuration, the default syntax file, the file associations and the
// user's PATH. A list on the left picks one of six pages.
//
// The values live under HKEY_LOCAL_MACHINE kSettingsKey. Most are stored
// at OK; "UseCompiler" and "UseLinker" are stored on every click of their
// check boxes, and switching a configuration list stores that tool's path
// and the parameters of the configuration left; those stay after Cancel.
// OK also sets the main window's syntax-file path in the shared values.
// Every registry failure is silent and the next step goes on.

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "AddValueDialog.h"
#include "ButtonXP.h"
#include "DialogHeader.h"
#include "ModalDialog.h"
#include "ShellValues.h"

namespace kforge {

class SettingsDialog : public ModalDialog {
public:
    // The ids of its controls, by the names they carry.
    static constexpr int kList1 = 100;   // the page list
    static constexpr int kCheck1 = 101;  // associate the file kinds
    static constexpr int kText8 = 102;   // default syntax file
    static constexpr int kCommand7 = 103;
    static constexpr int kCheck2 = 111;  // use the preprocessor
    static constexpr int kText10 = 112;  // preprocessor program
    static constexpr int kCommand9 = 113;
    static constexpr int kText11 = 114;  // preprocessor parameters
    static constexpr int kCheck4 = 121;  // use the compiler
    static constexpr int kText1 = 122;   // compiler program
    static constexpr int kCommand3 = 123;
    static constexpr int kCombo1 = 124;  // compiler configuration
    static constexpr int kText2 = 125;   // compiler parameters
    static constexpr int kCheck3 = 131;  // use the linker
    static constexpr int kText4 = 132;   // linker program
    static constexpr int kCommand4 = 133;
    static constexpr int kCombo2 = 134;  // linker configuration
    static constexpr int kText3 = 135;   // linker parameters
    static constexpr int kText6 = 142;   // resource compiler program
    static constexpr int kCommand5 = 143;
    static constexpr int kCombo3 = 144;  // resource configuration, disabled
    static constexpr int kText5 = 145;   // resource compiler parameters
    static constexpr int kList2 = 151;   // the PATH entries
    static constexpr int kXp1 = 152;     // "New Item"
    static constexpr int kXp2 = 153;     // "Remove Item"
    static constexpr int kCommand2 = IDOK;
    static constexpr int kCommand1 = IDCANCEL;
    static constexpr int kPageCount = 6;

    explicit SettingsDialog(ShellValues& values);

private:
    // A tool whose parameters depend on the build configuration.
    struct ConfiguredTool {
        HWND pathBox = nullptr;
        HWND paramsBox = nullptr;
        HWND configList = nullptr;
        const char* pathName = "";   // its program's value
        const char* paramBase = "";  // its parameters' value, without the index
        int previousConfig = 0;      // the configuration paramsBox shows
    };

    void OnLoad() override;
    void OnUnload() override;
    void OnCommand(int id, int notifyCode, HWND control) override;

    void MakeCommonControls();
    void MakeGeneralPage();
    void MakeProcessorPage();
    // The compiler, linker and resource pages: an optional "use" check
    // box, the program with its browse button, the configuration list and
    // the parameters.
    struct ToolPageSpec {
        int page;
        const char* checkText;  // null: no check box
        int checkId;
        const char* pathLabel;
        int pathId;
        int browseId;
        int comboId;
        const char* paramsLabel;
        int paramsId;
    };
    void MakeToolPage(const ToolPageSpec& spec);
    void MakeEnvironmentPage();
    void MakePlaceholderHelp(int page, int top);
    HWND AddPageControl(int page, const char* className, const std::string& text, DWORD style, RECT rect,
                        int id = -1, DWORD exStyle = 0);
    std::unique_ptr<ButtonXP> MakeListButton(int id, int top, const char* caption, const char* icon);
    void FillControls();

    void ShowPage(int index);
    void SwitchConfiguration(ConfiguredTool& tool);
    void StoreCheck(int checkId, const char* name);
    void Browse(int pathBoxId);
    void EditPathEntry();
    void AddPathEntry();
    void RemovePathEntry();
    void Save();
    void SaveAssociations();

    bool IsTicked(int checkId) const;
    std::string BoxText(int id) const;  // trimmed

    ShellValues& values_;
    AddValueDialog valueEditor_;
    DialogHeader header_;
    std::array<std::vector<HWND>, kPageCount> pages_;
    std::unique_ptr<ButtonXP> xp1_;
    std::unique_ptr<ButtonXP> xp2_;
    ConfiguredTool compiler_;
    ConfiguredTool linker_;
    int currentPage_ = 0;
    bool loading_ = false;
};

}  // namespace kforge
