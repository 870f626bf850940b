#pragma once
// The Settings dialog in the test host. "show" opens it over the host
// window once the command has answered, so later commands run while it is
// up (the host's poll timer keeps running in the modal loop); its end
// prints "closed <code> syntax [<path>]" with the shared syntax-file path.
// Commands read what the active dialog shows, answer its message boxes and
// file dialogs, and read and prepare the registry values it works on. In
// text arguments "%20" stands for a blank and "" for the empty text.

#include <deque>
#include <string>

#include "Dialogs.h"
#include "HostWindow.h"
#include "SettingsDialog.h"
#include "ShellValues.h"

namespace kforge {

class SettingsCommands {
public:
    explicit SettingsCommands(HostWindow& host);

    // Shows the dialog until it closes, then prints its "closed" line.
    void ShowNow();

private:
    void AddDialogCommands();
    void AddRegistryCommands();
    DialogAnswer Answer(const DialogRequest& request);

    HostWindow& host_;
    ShellValues values_;
    SettingsDialog dialog_;
    std::deque<DialogAnswer> answers_;  // for the next boxes and file dialogs
};

}  // namespace kforge
