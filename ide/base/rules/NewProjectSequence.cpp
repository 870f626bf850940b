#include "NewProjectSequence.h"

#include <cstdint>
#include <limits>

#include "DockKeys.h"
#include "Paths.h"

namespace kforge {

namespace {

constexpr int kLastChild = 2;     // the tree's relation for AddItem
constexpr int kUnsavedImage = 4;  // the tree's picture of a file item
constexpr const char* kFileKeyPrefix = "file";

}  // namespace

NewProjectSequence::NewProjectSequence(INewProjectHost& host) : host_(host) {}

void NewProjectSequence::Open(const NewProject& project)
{
    CloseDocuments();
    TakeSolution(project);
    host_.Values().documentCounter = 0;
    host_.NewDocument("");
    OpenStartupDocument(project);
}

// The window list is taken once: closing a window renumbers the others.
void NewProjectSequence::CloseDocuments()
{
    for (int window : host_.DocumentWindows()) { CloseDocument(window); }
}

void NewProjectSequence::CloseDocument(int window)
{
    if (host_.WindowCaption(window) == keys::kStartPageCaption) { host_.SetWindowKey(window, keys::kStartPageKey); }
    if (host_.IsEditor(window) && !IsSaved(window)) { OfferSave(window); }
    if (host_.WindowKey(window) != keys::kStartPageKey) { host_.Close(window); }
}

// A "Yes" asks again until the save has happened: the closing cannot be
// cancelled, so a save that did not complete would lose the changes.
void NewProjectSequence::OfferSave(int window)
{
    host_.Activate(window);
    // New Project cannot be cancelled here: the prompt asks again until the
    // document is saved or the answer is No.
    while (onAskSave) {
        const SaveAnswer answer = onAskSave();
        if (answer == SaveAnswer::No) { return; }
        if (answer == SaveAnswer::Yes) {
            host_.SaveFile();
            if (IsSaved(window)) { return; }
        }
    }
}

bool NewProjectSequence::IsSaved(int window)
{
    return !host_.FileName(window).empty() && !host_.DocChanged(window);
}

// Taken once the open documents are closed, so a save offered there still
// belongs to the solution they came from.
void NewProjectSequence::TakeSolution(const NewProject& project)
{
    ShellValues& values = host_.Values();
    values.solutionName = project.name;
    values.solutionPath = project.paths.solution;
    values.solutionStartup = project.paths.startup;
    host_.SaveSolution(project.paths.solution);
    host_.RenameItem(0, project.name);
}

void NewProjectSequence::OpenStartupDocument(const NewProject& project)
{
    const int window = host_.ActiveWindow();
    if (window < 0) { return; }
    if (project.source) { host_.SetEditorText(window, *project.source); }
    host_.UpdateUI(false);
    std::int32_t& counter = host_.Values().documentCounter;
    if (!host_.CheckFile(project.paths.startup) && counter < std::numeric_limits<std::int32_t>::max()) {
        ++counter;
    }
    const std::string key = kFileKeyPrefix + std::to_string(counter);
    host_.SetWindowKey(window, key);
    host_.InitializeProject();
    host_.AddItem("source", kLastChild, key, "blank", kUnsavedImage);
    if (!project.paths.startup.empty()) { SaveStartupDocument(window, key, project.paths.startup); }
    host_.SaveSolution(project.paths.solution);
    host_.UpdateUI(true);
}

void NewProjectSequence::SaveStartupDocument(int window, const std::string& key, const std::string& startup)
{
    host_.SaveEditorText(window, startup);  // a failed write leaves the rest to run
    host_.SetFileName(window, startup);
    const std::string fileName = GetFileName(startup);
    host_.SetModuleLabel(window, "Module :   " + fileName);
    host_.SetWindowCaption(window, " " + fileName + " ");
    host_.AddMruItem(keys::kFileMruList, startup);
    host_.RenameItem(key, GetFileTitle(startup));
    host_.SetItemTag(key, startup);
}

}  // namespace kforge
