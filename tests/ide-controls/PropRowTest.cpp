// A property-list row: how each kind code is edited and what its
// drop-down offers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PropRow.h"

namespace kforge {
namespace {

TEST(PropRow, EachKindCodeHasItsEditor)
{
    struct Case {
        int kind;
        PropEditorKind editor;
        std::vector<std::string> choices;  // with the values "a", "b" added
    };
    const Case cases[] = {
        {0, PropEditorKind::Text, {}},
        {1, PropEditorKind::DropDown, {"a", "b"}},
        {8, PropEditorKind::DropDown, {"True", "False"}},
        {64, PropEditorKind::TextBrowse, {}},
        {2, PropEditorKind::Text, {}},
        {-1, PropEditorKind::Text, {}},
        {65, PropEditorKind::Text, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        PropRow row("name", c.kind);
        row.Values().Add("a");
        row.Values().Add("b");
        EXPECT_EQ(row.EditorKind(), c.editor);
        EXPECT_EQ(row.Choices(), c.choices);
    }
}

TEST(PropRow, StartsWithNoDescriptionAndNoValue)
{
    PropRow row("Use Make File", 8);
    EXPECT_EQ(row.Name(), "Use Make File");
    EXPECT_EQ(row.Kind(), 8);
    EXPECT_EQ(row.Description(), "");
    EXPECT_EQ(row.Value(), "");
    EXPECT_TRUE(row.Values().Items().empty());
}

}  // namespace
}  // namespace kforge
