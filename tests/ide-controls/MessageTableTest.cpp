// The subclassing core's message tables: free slots, duplicates, the
// all-messages state and the restart after emptying.
#include <gtest/gtest.h>

#include <vector>

#include "MessageTable.h"

namespace kforge {
namespace {

constexpr uint32_t kAll = MessageTable::kAllMessages;
constexpr uint32_t kA = 0x400, kB = 0x401, kC = 0x402;

std::vector<uint32_t> Counted(const MessageTable& table)
{
    return {table.Entries().begin(), table.Entries().begin() + (table.Count() < 0 ? 0 : table.Count())};
}

TEST(MessageTable, StartsEmptyAndAppendsNewMessages)
{
    MessageTable table;
    EXPECT_FALSE(table.Contains(kA));
    table.Add(kA);
    table.Add(kB);
    EXPECT_EQ(Counted(table), (std::vector<uint32_t>{kA, kB}));
    EXPECT_TRUE(table.Contains(kB));
    EXPECT_FALSE(table.Contains(kC));
}

TEST(MessageTable, ADuplicateChangesNothing)
{
    MessageTable table;
    table.Add(kA);
    table.Add(kA);
    EXPECT_EQ(Counted(table), (std::vector<uint32_t>{kA}));
}

TEST(MessageTable, DeletingFreesTheSlotWhichTheNextAddReuses)
{
    MessageTable table;
    table.Add(kA);
    table.Add(kB);
    table.Delete(kA);
    EXPECT_EQ(Counted(table), (std::vector<uint32_t>{kAll, kB}));
    EXPECT_FALSE(table.Contains(kA));
    table.Add(kC);
    EXPECT_EQ(Counted(table), (std::vector<uint32_t>{kC, kB}));
    EXPECT_EQ(table.Entries().size(), 2u);
}

TEST(MessageTable, TheFreeSlotComesBeforeAnEqualEntry)
{
    MessageTable table;
    table.Add(kA);
    table.Add(kB);
    table.Delete(kA);
    table.Add(kB);
    EXPECT_EQ(Counted(table), (std::vector<uint32_t>{kB, kB}));
}

TEST(MessageTable, DeletingAMessageNeverAddedIsIgnored)
{
    MessageTable table;
    table.Add(kA);
    table.Delete(kB);
    EXPECT_EQ(Counted(table), (std::vector<uint32_t>{kA}));
}

TEST(MessageTable, EmptyingKeepsTheEntriesUncountedAndTheNextAddRestartsAtOne)
{
    MessageTable table;
    table.Add(kA);
    table.Add(kB);
    table.Add(kC);
    table.Delete(kAll);
    EXPECT_EQ(table.Count(), 0);
    EXPECT_FALSE(table.Contains(kA));
    table.Add(kC);
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(table.Entries(), (std::vector<uint32_t>{kC}));
}

TEST(MessageTable, TheAllMessagesStateIgnoresSpecificChanges)
{
    MessageTable table;
    table.Add(kA);
    table.Add(kAll);
    EXPECT_EQ(table.Count(), -1);
    EXPECT_TRUE(table.Contains(kC));
    table.Add(kB);
    table.Delete(kA);
    EXPECT_EQ(table.Count(), -1);
    EXPECT_TRUE(table.Contains(kA));
    table.Delete(kAll);
    EXPECT_FALSE(table.Contains(kA));
}

TEST(MessageTable, ClearEmptiesEvenTheAllMessagesState)
{
    MessageTable table;
    table.Add(kAll);
    table.Clear();
    EXPECT_EQ(table.Count(), 0);
    EXPECT_FALSE(table.Contains(kA));
}

}  // namespace
}  // namespace kforge
