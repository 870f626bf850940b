#include "DockMenus.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using kforge::MenuItemSpec;
using kforge::MenuSpec;
using kforge::ToolButtonKind;
using kforge::ToolButtonSpec;

namespace {

void CollectCaptions(const std::vector<MenuItemSpec>& items, const std::string& key,
                     std::vector<std::string>& captions)
{
    for (const MenuItemSpec& item : items) {
        if (item.key == key) { captions.push_back(item.caption); }
        CollectCaptions(item.items, key, captions);
    }
}

std::vector<std::string> CaptionsOf(const std::string& key)
{
    std::vector<std::string> captions;
    for (const MenuSpec& menu : kforge::MenuBarSpec()) { CollectCaptions(menu.items, key, captions); }
    for (const MenuSpec& popup : kforge::PopupSpecs()) { CollectCaptions(popup.items, key, captions); }
    return captions;
}

// "ProjectNew" adds a new file to the project; the New Project dialog is
// "FileProject"'s.
TEST(DockMenus, ProjectNewReadsAsANewFile)
{
    const std::vector<std::string> captions = CaptionsOf("ProjectNew");
    ASSERT_EQ(captions.size(), 3u);
    for (const std::string& caption : captions) {
        EXPECT_NE(caption.find("New File"), std::string::npos) << caption;
        EXPECT_EQ(caption.find("Project..."), std::string::npos) << caption;
    }
    EXPECT_EQ(CaptionsOf("FileProject"), std::vector<std::string>{"New &Project..."});
}

// Every button has a picture of its own in the eleven-picture strip.
TEST(DockMenus, EveryButtonHasItsOwnPictureOfTheStrip)
{
    constexpr int kStripPictures = 11;
    std::set<int> pictures;
    for (const ToolButtonSpec& button : kforge::ToolBarSpec()) {
        if (button.kind != ToolButtonKind::Button) { continue; }
        EXPECT_GE(button.picture, 0) << button.key;
        EXPECT_LT(button.picture, kStripPictures) << button.key;
        EXPECT_TRUE(pictures.insert(button.picture).second) << button.key << " shares its picture";
    }
    EXPECT_EQ(pictures.size(), static_cast<size_t>(kStripPictures));
}

}  // namespace
