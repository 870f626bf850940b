#include "MruList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using kforge::MruList;

namespace {

std::vector<std::string> Captions(const MruList& list)
{
    std::vector<std::string> captions;
    for (const auto& entry : list.Entries()) { captions.push_back(entry.caption); }
    return captions;
}

TEST(MruList, AddedEntriesComeNewestFirst)
{
    MruList list;
    for (const char* path : {"a.kln", "b.kln", "c.kln"}) { list.Add(path, path, 1); }
    EXPECT_EQ(Captions(list), (std::vector<std::string>{"c.kln", "b.kln", "a.kln"}));
}

TEST(MruList, AKeyThatDiffersOnlyInCaseMovesToTheTopWithItsNewCaption)
{
    MruList list;
    list.Add("C:\\A.kln", "C:\\A.kln", 1);
    list.Add("C:\\b.kln", "C:\\b.kln", 1);
    list.Add("c:\\a.KLN", "c:\\a.KLN", 1);
    EXPECT_EQ(Captions(list), (std::vector<std::string>{"c:\\a.KLN", "C:\\b.kln"}));
}

TEST(MruList, TheEleventhEntryDropsTheOldest)
{
    MruList list;
    for (int i = 1; i <= 11; ++i) { list.Add("f" + std::to_string(i), "f" + std::to_string(i), 1); }
    ASSERT_EQ(list.Count(), MruList::kCapacity);
    EXPECT_EQ(list.Entries().front().key, "f11");
    EXPECT_EQ(list.Entries().back().key, "f2");
}

TEST(MruList, PositionsBeyondTheEndAppendAndBelowOnePrepend)
{
    struct Case {
        int position;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {0, {"new", "x", "y"}}, {2, {"x", "new", "y"}}, {3, {"x", "y", "new"}}, {99, {"x", "y", "new"}}};
    for (const Case& c : cases) {
        MruList list;
        list.Add("y", "y", 1);
        list.Add("x", "x", 1);
        list.Add("new", "new", c.position);
        EXPECT_EQ(Captions(list), c.expected) << "position " << c.position;
    }
}

TEST(MruList, RemoveAtTakesOneEntryAndIgnoresIndexesOutOfRange)
{
    MruList list;
    list.Add("b", "b", 1);
    list.Add("a", "a", 1);
    int changes = 0;
    list.onChanged = [&changes] { ++changes; };
    list.RemoveAt(5);
    EXPECT_EQ(changes, 0);
    list.RemoveAt(0);
    EXPECT_EQ(Captions(list), (std::vector<std::string>{"b"}));
    EXPECT_EQ(changes, 1);
}

TEST(MruList, ReplaceKeepsTheOrderAndAppliesTheRules)
{
    MruList list;
    list.Add("old", "old", 1);
    int changes = 0;
    list.onChanged = [&changes] { ++changes; };
    std::vector<kforge::MruEntry> stored;
    for (int i = 0; i < 12; ++i) { stored.push_back({"k" + std::to_string(i), "k" + std::to_string(i)}); }
    stored.push_back({"K0", "duplicate"});
    list.Replace(stored);
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(list.Count(), MruList::kCapacity);
    EXPECT_EQ(list.Entries().front().caption, "k0");  // the earlier of two equal keys wins
    EXPECT_EQ(list.Entries().back().caption, "k9");
}

}  // namespace
