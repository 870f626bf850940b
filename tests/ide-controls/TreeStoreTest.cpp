// The Tree control's item store: references by position and key, deletion
// that moves the last record, the current record kept valid, and the image
// fields of an insertion.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TreeStore.h"

namespace kforge {
namespace {

// A store holding the keys given, with item handles 100, 101, ... and
// texts "<key> text".
TreeStore StoreOf(const std::vector<std::string>& keys)
{
    TreeStore store;
    for (const std::string& key : keys) {
        store.Add(static_cast<TreeItemHandle>(100 + store.Count()), 0, key, key + " text", 0);
    }
    return store;
}

std::vector<std::string> Keys(const TreeStore& store)
{
    std::vector<std::string> keys;
    for (int position = 0; position < store.Count(); ++position) {
        keys.push_back(store.At(position)->node.key);
    }
    return keys;
}

TEST(TreeStore, AddedRecordsCarryTheirPositionAsIndex)
{
    TreeStore store;
    EXPECT_EQ(store.Add(7, 3, "k", "Text", 4), 0);
    const TreeRecord* record = store.At(0);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->item, 7u);
    EXPECT_EQ(record->parent, 3u);
    EXPECT_EQ(record->node.index, 0);
    EXPECT_EQ(record->node.key, "k");
    EXPECT_EQ(record->node.text, "Text");
    EXPECT_EQ(record->node.image, 4);
    EXPECT_EQ(record->node.tag, "");
    EXPECT_EQ(store.Add(8, 7, "k2", "Second", -1), 1);
    EXPECT_EQ(store.Count(), 2);
}

TEST(TreeStore, ReferencesResolveToPositionsInUse)
{
    TreeStore store = StoreOf({"a", "dup", "dup", "b"});
    struct Case {
        TreeItemRef ref;
        int position;
    };
    const std::vector<Case> cases = {
        {0, 0},    {3, 3},    {-1, -1}, {4, -1},
        {99, -1},  {"a", 0},  {"b", 3}, {"dup", 1},  // the lower position wins
        {"x", -1}, {"A", -1},                        // keys are case-sensitive
        {"", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(store.Resolve(c.ref), c.position)
            << (c.ref.IsKey() ? c.ref.Key() : std::to_string(c.ref.Position()));
    }
}

TEST(TreeStore, AKeyResolvesThroughTheIndexField)
{
    TreeStore store = StoreOf({"a", "b", "c"});
    store.At(0)->node.index = 2;  // as SetItemNode may leave it
    EXPECT_EQ(store.Resolve("a"), 2);
    store.At(0)->node.index = 5;  // no such position: nothing
    EXPECT_EQ(store.Resolve("a"), -1);
}

TEST(TreeStore, RemovingMovesTheLastRecordIntoThePosition)
{
    TreeStore store = StoreOf({"a", "b", "c", "d"});
    store.At(3)->node.tag = "d's tag";
    store.Remove(1);
    EXPECT_EQ(Keys(store), (std::vector<std::string>{"a", "d", "c"}));
    const TreeRecord* moved = store.At(1);
    EXPECT_EQ(moved->node.index, 1);
    EXPECT_EQ(moved->item, 103u);
    EXPECT_EQ(moved->node.text, "d text");
    EXPECT_EQ(moved->node.tag, "d's tag");
    EXPECT_EQ(store.Resolve("d"), 1);
    EXPECT_EQ(store.Resolve("b"), -1);

    store.Remove(2);  // the last one itself
    EXPECT_EQ(Keys(store), (std::vector<std::string>{"a", "d"}));
    store.Remove(5);  // not in use: nothing
    store.Remove(-1);
    EXPECT_EQ(store.Count(), 2);
}

TEST(TreeStore, TheCurrentRecordStaysValidThroughRemovals)
{
    struct Case {
        int current;
        int removed;
        int currentAfter;
        const char* why;
    };
    const std::vector<Case> cases = {
        {1, 1, -1, "the current record removed"},
        {3, 1, 1, "the current record moved into the freed position"},
        {3, 3, -1, "the current record is the last and is removed"},
        {0, 2, 0, "another record removed"},
        {-1, 2, -1, "no current record"},
    };
    for (const Case& c : cases) {
        TreeStore store = StoreOf({"a", "b", "c", "d"});
        store.SetCurrent(c.current);
        store.Remove(c.removed);
        EXPECT_EQ(store.Current(), c.currentAfter) << c.why;
        if (c.currentAfter >= 0) { EXPECT_EQ(store.CurrentRecord(), store.At(c.currentAfter)) << c.why; }
    }
}

TEST(TreeStore, ClearingForgetsRecordsAndTheCurrentOne)
{
    TreeStore store = StoreOf({"a", "b"});
    store.SetCurrent(1);
    store.Clear();
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.Current(), -1);
    EXPECT_EQ(store.CurrentRecord(), nullptr);
    EXPECT_EQ(store.Resolve(0), -1);
    EXPECT_EQ(store.Add(5, 0, "n", "New", 0), 0);
}

TEST(TreeStore, SetCurrentAcceptsOnlyPositionsInUse)
{
    TreeStore store = StoreOf({"a"});
    store.SetCurrent(0);
    EXPECT_EQ(store.Current(), 0);
    store.SetCurrent(1);
    EXPECT_EQ(store.Current(), -1);
}

TEST(TreeStore, HandleLookups)
{
    TreeStore store = StoreOf({"a", "b", "c"});
    store.At(2)->item = 100;  // two records on one item
    store.At(2)->node.index = 7;
    EXPECT_EQ(store.PositionsOf(100), (std::vector<int>{0, 2}));
    EXPECT_TRUE(store.PositionsOf(555).empty());
    EXPECT_EQ(store.IndexOf(101), 1);
    EXPECT_EQ(store.IndexOf(100), 0);  // the first record holding it
    EXPECT_EQ(store.IndexOf(555), -1);
    EXPECT_EQ(store.IndexOf(0), -1);  // no item
    EXPECT_EQ(store.HandleOfKey("b"), 101u);
    EXPECT_EQ(store.HandleOfKey("zz"), 0u);
}

TEST(TreeStore, InsertionImages)
{
    struct Case {
        int image, selected;
        bool setImage, setSelected;
        int selectedAfter;
    };
    const std::vector<Case> cases = {
        {-1, -1, false, false, -1},                             // neither given
        {3, -1, true, true, 3},                                 // the selected image defaults to the image
        {3, 5, true, true, 5},      {0, -1, false, false, -1},  // image 0 sets no image field
        {0, 2, false, true, 2},  // ... unless a selected image above 0 is given
        {2, 0, true, true, 0},   // an image above 0 always sets both
        {0, 0, false, false, 0},
    };
    for (const Case& c : cases) {
        const TreeItemImages images = InsertionImages(c.image, c.selected);
        const std::string what = std::to_string(c.image) + "," + std::to_string(c.selected);
        EXPECT_EQ(images.setImage, c.setImage) << what;
        EXPECT_EQ(images.setSelectedImage, c.setSelected) << what;
        EXPECT_EQ(images.image, c.image) << what;
        EXPECT_EQ(images.selectedImage, c.selectedAfter) << what;
    }
}

}  // namespace
}  // namespace kforge
