#pragma once
// What the Project Properties dialog needs of the main window: the shared
// solution values and the Project Explorer's tree items.

#include <string>

#include "ShellValues.h"
#include "TreeStore.h"

namespace kforge {

class IProjectPropertiesHost {
public:
    virtual ~IProjectPropertiesHost() = default;

    // The solution values: the dialog shows the start-up file and build
    // batch, and OK changes them.
    virtual ShellValues& Values() = 0;

    // The Project Explorer tree: its item count, the item at a 0-based index
    // (an empty node outside the items) and the caption of an item (index 0
    // is the solution's root item).
    virtual int ExplorerItemCount() const = 0;
    virtual TreeNode ExplorerItemNode(int index) const = 0;
    virtual void RenameExplorerItem(int index, const std::string& text) = 0;
};

}  // namespace kforge
