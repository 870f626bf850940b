#pragma once
// The keys of the docking host's tools, bars, panes and fixed document
// window, each spelt here only: the menus, the tool bar, the shortcut keys,
// the command dispatcher and the command state name them by these
// constants. A command key joins a menu word and an action.

namespace kforge::keys {

// The File menu.
inline constexpr const char* kFileProject = "FileProject";
inline constexpr const char* kFileFile = "FileFile";
inline constexpr const char* kFileLib = "FileLib";
inline constexpr const char* kFileOpen = "FileOpen";
inline constexpr const char* kFileOpen2 = "FileOpen2";  // the tool bar's Open
inline constexpr const char* kFileSave = "FileSave";
inline constexpr const char* kFileSaveAs = "FileSaveAs";
inline constexpr const char* kFileSaveAll = "FileSaveAll";
inline constexpr const char* kFilePrint = "FilePrint";
inline constexpr const char* kFilePage = "FilePage";
inline constexpr const char* kFileMruList = "FileMruList";
inline constexpr const char* kFileExit = "FileExit";

// The Edit menu and the "Edit" popup.
inline constexpr const char* kEditUndo = "EditUndo";
inline constexpr const char* kEditRedo = "EditRedo";
inline constexpr const char* kEditCut = "EditCut";
inline constexpr const char* kEditCopy = "EditCopy";
inline constexpr const char* kEditPaste = "EditPaste";
inline constexpr const char* kEditDelete = "EditDelete";
inline constexpr const char* kEditSelAll = "EditSelAll";
inline constexpr const char* kEditFind = "EditFind";
inline constexpr const char* kEditNext = "EditNext";
inline constexpr const char* kEditReplace = "EditReplace";
inline constexpr const char* kEditGoTo = "EditGoTo";

// The View menu.
inline constexpr const char* kViewOutput = "ViewOutput";
inline constexpr const char* kViewProject = "ViewProject";
inline constexpr const char* kViewHelp = "ViewHelp";
inline constexpr const char* kViewTask = "ViewTask";
inline constexpr const char* kViewStatus = "ViewStatus";
inline constexpr const char* kViewToolbar = "ViewToolbar";
inline constexpr const char* kViewOptions = "ViewOptions";  // the Documents submenu
inline constexpr const char* kViewPrevious = "ViewPrevious";
inline constexpr const char* kViewNext = "ViewNext";

// The Project menu and the "ProjectTree" popup.
inline constexpr const char* kProjectNew = "ProjectNew";
inline constexpr const char* kProjectOpen = "ProjectOpen";
inline constexpr const char* kProjectList = "ProjectList";
inline constexpr const char* kProjectSave = "ProjectSave";
inline constexpr const char* kProjectAdd = "ProjectAdd";  // the Add submenu
inline constexpr const char* kProjectFile = "ProjectFile";
inline constexpr const char* kProjectRemove = "ProjectRemove";
inline constexpr const char* kProjectOptions = "ProjectOptions";

// The Build menu and the configuration combo of the tool bar.
inline constexpr const char* kBuildBuild = "BuildBuild";
inline constexpr const char* kBuildAll = "BuildAll";
inline constexpr const char* kBuildExecute = "BuildExecute";
inline constexpr const char* kBuildClean = "BuildClean";
inline constexpr const char* kBuildPage = "BuildPage";

// The Tools menu.
inline constexpr const char* kToolReg = "ToolReg";
inline constexpr const char* kToolRun = "ToolRun";
inline constexpr const char* kToolRes = "ToolRes";
inline constexpr const char* kToolCmd = "ToolCmd";
inline constexpr const char* kToolSetings = "ToolSetings";

// The Help menu.
inline constexpr const char* kHelpIndex = "HelpIndex";
inline constexpr const char* kHelpApi = "HelpApi";
inline constexpr const char* kHelpSupport = "HelpSupport";

// The popups.
inline constexpr const char* kEditPopup = "Edit";
inline constexpr const char* kProjectTreePopup = "ProjectTree";

// The command bars.
inline constexpr const char* kStatusBar = "StatusBar";
inline constexpr const char* kStandartBar = "StandartBar";

// The panes.
inline constexpr const char* kOutputPane = "frmOutput";
inline constexpr const char* kProjectPane = "frmProject";
inline constexpr const char* kHelpPane = "frmHelp";
inline constexpr const char* kTaskPane = "frmTask";

// The Start Page's document window, always the first.
inline constexpr const char* kStartPageKey = "Startup";
inline constexpr const char* kStartPageCaption = " Start Page ";

}  // namespace kforge::keys
