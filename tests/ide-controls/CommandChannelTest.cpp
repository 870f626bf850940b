// The test host's command channel: only complete lines are taken, each once,
// and results are appended line by line.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "CommandChannel.h"

namespace kforge {
namespace {

class CommandChannelTest : public ::testing::Test {
protected:
    void Append(const std::string& text)
    {
        std::ofstream(commands, std::ios::app | std::ios::binary) << text;
    }
    std::string Results() const
    {
        std::ifstream in(results, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void TearDown() override
    {
        std::remove(commands.c_str());
        std::remove(results.c_str());
    }

    const std::string commands = ::testing::TempDir() + "channel-commands";
    const std::string results = ::testing::TempDir() + "channel-results";
};

TEST_F(CommandChannelTest, TakesCompleteLinesOnceAndWaitsForAnUnfinishedOne)
{
    std::remove(commands.c_str());
    CommandChannel channel(commands, results);
    EXPECT_TRUE(channel.TakeNewCommands().empty());  // no file yet
    Append("first\r\nsecond\nthi");
    EXPECT_EQ(channel.TakeNewCommands(), (std::vector<std::string>{"first", "second"}));
    EXPECT_TRUE(channel.TakeNewCommands().empty());
    Append("rd\n\n");
    EXPECT_EQ(channel.TakeNewCommands(), (std::vector<std::string>{"third", ""}));
}

TEST_F(CommandChannelTest, StartsANewResultFileAndAppendsLines)
{
    std::ofstream(results) << "old run\n";
    CommandChannel channel(commands, results);
    channel.WriteResult("ready");
    channel.WriteResult("done 1");
    EXPECT_EQ(Results(), "ready\ndone 1\n");
}

TEST(SplitWords, SplitsAtRunsOfBlanks)
{
    EXPECT_EQ(SplitWords("  addmsg s1\t513  1 "), (std::vector<std::string>{"addmsg", "s1", "513", "1"}));
    EXPECT_TRUE(SplitWords("   ").empty());
}

}  // namespace
}  // namespace kforge
