#pragma once
// One row of the property list: a name, the kind code that says how its
// value is edited, a description for the host to show, the value list of a
// drop-down row, and the value the user typed. Portable.

#include <string>
#include <vector>

#include "PropValues.h"

namespace kforge {

// How a row's value cell is edited.
enum class PropEditorKind {
    Text,        // a text box
    DropDown,    // a drop-down list of fixed choices
    TextBrowse,  // a text box with a "..." button that picks a file
};

class PropRow {
public:
    // The kind codes a host gives; any other code is edited as text.
    static constexpr int kText = 0;
    static constexpr int kList = 1;     // a drop-down of the row's values
    static constexpr int kBoolean = 8;  // a drop-down of "True" and "False"
    static constexpr int kFile = 64;    // text with a file-dialog button

    PropRow(std::string name, int kind);

    const std::string& Name() const { return name_; }
    int Kind() const { return kind_; }
    const std::string& Description() const { return description_; }
    void SetDescription(const std::string& description) { description_ = description; }
    PropValues& Values() { return values_; }
    const PropValues& Values() const { return values_; }
    // The value the user typed or chose; "" until then.
    const std::string& Value() const { return value_; }
    void SetValue(const std::string& value) { value_ = value; }

    PropEditorKind EditorKind() const;
    // What the drop-down of a DropDown row offers, in order.
    std::vector<std::string> Choices() const;

private:
    std::string name_;
    int kind_;
    std::string description_;
    PropValues values_;
    std::string value_;
};

}  // namespace kforge
