#pragma once
// The main window's part for the Project Properties dialog in its test
// program: solution values and Project Explorer items read from a state
// file, and each call that changes the explorer printed as a result line.

#include <functional>
#include <string>
#include <vector>

#include "IProjectPropertiesHost.h"

namespace kforge {

class StandInHost : public IProjectPropertiesHost {
public:
    explicit StandInHost(std::function<void(const std::string&)> print);

    // Reads a state file of lines "name=", "startup=", "batch=" (the solution
    // values, blanks kept), "item=KEY|TEXT|TAG" (the explorer items in
    // order) and "open=" (what the open-file dialog answers). Throws when the
    // file cannot be read.
    void Load(const std::string& path);
    const std::string& OpenAnswer() const { return openAnswer_; }

    ShellValues& Values() override { return values_; }
    int ExplorerItemCount() const override { return static_cast<int>(items_.size()); }
    TreeNode ExplorerItemNode(int index) const override;
    void RenameExplorerItem(int index, const std::string& text) override;

private:
    std::function<void(const std::string&)> print_;
    ShellValues values_;
    std::vector<TreeNode> items_;
    std::string openAnswer_;
};

}  // namespace kforge
