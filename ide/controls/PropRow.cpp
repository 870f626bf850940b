#include "PropRow.h"

#include <utility>

namespace kforge {

PropRow::PropRow(std::string name, int kind) : name_(std::move(name)), kind_(kind) {}

PropEditorKind PropRow::EditorKind() const
{
    switch (kind_) {
        case kList:
        case kBoolean:
            return PropEditorKind::DropDown;
        case kFile:
            return PropEditorKind::TextBrowse;
        default:
            return PropEditorKind::Text;
    }
}

std::vector<std::string> PropRow::Choices() const
{
    switch (kind_) {
        case kList:
            return values_.Items();
        case kBoolean:
            return {"True", "False"};
        default:
            return {};
    }
}

}  // namespace kforge
