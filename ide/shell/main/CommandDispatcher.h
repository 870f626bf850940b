#pragma once
// The handler of every command of the docking host: the tool's key is
// compared, exactly and in a fixed order, with the keys the IDE knows; the
// first that matches runs its action, and the command state is refreshed
// afterwards (except where opening a recent file or a build ends early).
// A key it does not know only refreshes the command state.

#include <functional>
#include <vector>

#include "BuildActions.h"
#include "NewProjectHost.h"

namespace kforge {

class MainWindow;
class Tool;

class CommandDispatcher {
public:
    explicit CommandDispatcher(MainWindow& main);
    ~CommandDispatcher();

    void Dispatch(Tool& tool);

private:
    enum class Flow { Refresh, Ended };
    using Action = std::function<Flow(Tool&)>;
    struct Entry {
        const char* key;
        Action action;
    };
    enum class Template { Application, Library };

    // The table, in the order in which the keys are compared; each entry's
    // action is bound to what its key stands for.
    std::vector<Entry> MakeTable();
    Action Run(Flow (CommandDispatcher::*action)());
    Action RunWithTool(Flow (CommandDispatcher::*action)(Tool&));
    Action NewFromTemplate(Template source, bool addToProject);
    Action Save(bool saveAs);
    Action Edit(int commandId);
    Action TogglePane(const char* pane);
    Action ToggleBar(const char* bar);
    Action ActivateNeighbour(int step);
    Action Build(BuildCommand command);

    Flow NewProject();
    Flow SaveProject();
    Flow Open(Tool& tool);
    Flow RemoveFromProject();
    Flow OpenProject(Tool& tool);
    Flow SaveAll();
    Flow Print();
    Flow PageSetup();
    Flow OpenRecent(Tool& tool);
    Flow Exit();
    Flow GoTo();
    Flow ProjectOptions();
    Flow RegistryEditor();
    Flow RunDialog();
    Flow Nothing();
    Flow CommandPrompt();
    Flow Settings();
    Flow Support();
    Flow HelpIndex();
    Flow PlatformHelp();

    MainWindow& main_;
    NewProjectHost newProjectHost_;
    const std::vector<Entry> table_;
};

}  // namespace kforge
