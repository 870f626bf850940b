#pragma once
// Opening a new project in the IDE once its folder is made: every document
// but the Start Page is closed (changed and unsaved editor documents are
// offered for saving first), the solution values take the new project, one
// new document gets the project type's source and is saved as the start-up
// file, the Project Explorer is rebuilt around it and the solution file is
// written. A step that fails does not stop the later ones.

#include <functional>
#include <optional>
#include <string>

#include "INewProjectHost.h"
#include "SaveAnswer.h"
#include "SourceTemplates.h"

namespace kforge {

struct NewProject {
    std::string name;
    ProjectPaths paths;
    std::optional<std::string> source;  // none: the new document stays empty
};

class NewProjectSequence {
public:
    // The Start Page's window caption and key.

    explicit NewProjectSequence(INewProjectHost& host);

    void Open(const NewProject& project);

    // Asks whether the active document's changes are saved.
    std::function<SaveAnswer()> onAskSave;

private:
    void CloseDocuments();
    void CloseDocument(int window);
    void OfferSave(int window);
    bool IsSaved(int window);
    void TakeSolution(const NewProject& project);
    void OpenStartupDocument(const NewProject& project);
    void SaveStartupDocument(int window, const std::string& key, const std::string& startup);

    INewProjectHost& host_;
};

}  // namespace kforge
