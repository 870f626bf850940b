#include "StandInHost.h"

#include <fstream>
#include <stdexcept>

namespace kforge {

namespace {

// The fields of "KEY|TEXT|TAG"; missing ones are empty.
TreeNode ParseItem(const std::string& fields, int index)
{
    TreeNode node;
    node.index = index;
    const size_t first = fields.find('|');
    node.key = fields.substr(0, first);
    if (first == std::string::npos) { return node; }
    const size_t second = fields.find('|', first + 1);
    node.text =
        fields.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    if (second != std::string::npos) { node.tag = fields.substr(second + 1); }
    return node;
}

}  // namespace

StandInHost::StandInHost(std::function<void(const std::string&)> print) : print_(std::move(print)) {}

void StandInHost::Load(const std::string& path)
{
    std::ifstream in(path);
    if (!in) { throw std::runtime_error("cannot read " + path); }
    values_ = ShellValues();
    items_.clear();
    openAnswer_.clear();
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') { line.pop_back(); }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) { continue; }
        const std::string name = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (name == "name") {
            values_.solutionName = value;
        } else if (name == "startup") {
            values_.solutionStartup = value;
        } else if (name == "batch") {
            values_.solutionBuildBatch = value;
        } else if (name == "item") {
            items_.push_back(ParseItem(value, static_cast<int>(items_.size())));
        } else if (name == "open") {
            openAnswer_ = value;
        }
    }
}

TreeNode StandInHost::ExplorerItemNode(int index) const
{
    if (index < 0 || index >= ExplorerItemCount()) { return TreeNode(); }
    return items_[static_cast<size_t>(index)];
}

void StandInHost::RenameExplorerItem(int index, const std::string& text)
{
    print_("call RenameItem " + std::to_string(index) + " [" + text + "]");
    if (index >= 0 && index < ExplorerItemCount() && !text.empty()) {
        items_[static_cast<size_t>(index)].text = text;
    }
}

}  // namespace kforge
