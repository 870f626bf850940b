#pragma once
// The handler of every command of the docking host: the tool's key is
// compared, exactly and in a fixed order, with the keys the IDE knows; the
// first that matches runs its action, and the command state is refreshed
// afterwards (except where opening a recent file or a build ends early).
// A key it does not know only refreshes the command state.

#include <memory>
#include <string>

#include "NewProjectHost.h"

namespace kforge {

class MainWindow;
class Tool;

class CommandDispatcher {
public:
    explicit CommandDispatcher(MainWindow& main);
    ~CommandDispatcher();

    void Dispatch(Tool& tool);

    // The editor command id of an Edit key; 0 for any other key.
    static int EditCommandId(const std::string& key);

private:
    enum class Flow { Refresh, Ended };
    using Action = Flow (CommandDispatcher::*)(Tool&);
    struct Entry {
        const char* key;
        Action action;
    };
    static const Entry kTable[];

    Flow NewProject(Tool&);
    Flow NewFromTemplate(Tool& tool);
    Flow SaveProject(Tool&);
    Flow Open(Tool& tool);
    Flow RemoveFromProject(Tool&);
    Flow OpenProject(Tool& tool);
    Flow Save(Tool&);
    Flow SaveAs(Tool&);
    Flow SaveAll(Tool&);
    Flow Print(Tool&);
    Flow PageSetup(Tool&);
    Flow OpenRecent(Tool& tool);
    Flow Exit(Tool&);
    Flow Edit(Tool& tool);
    Flow TogglePane(Tool& tool);
    Flow ToggleBar(Tool& tool);
    Flow ActivateNeighbour(Tool& tool);
    Flow ProjectOptions(Tool&);
    Flow Build(Tool& tool);
    Flow RegistryEditor(Tool&);
    Flow RunDialog(Tool&);
    Flow Nothing(Tool&);
    Flow CommandPrompt(Tool&);
    Flow Settings(Tool&);
    Flow Support(Tool&);
    Flow HelpIndex(Tool&);
    Flow PlatformHelp(Tool&);

    MainWindow& main_;
    NewProjectHost newProjectHost_;
};

}  // namespace kforge
