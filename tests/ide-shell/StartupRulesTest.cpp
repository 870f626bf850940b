#include "StartupRules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using kforge::CommandLinePath;
using kforge::ReadPlacement;
using kforge::ResolveSyntaxFilePath;

namespace {

TEST(StartupRules, TheCommandLineLosesBlanksAndOnePairOfQuotes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"   ", ""},
        {"  C:\\a.kln  ", "C:\\a.kln"},
        {"\"C:\\My Files\\a.kln\"", "C:\\My Files\\a.kln"},
        {"  \" C:\\a.kln \"  ", "C:\\a.kln"},
        {"\"\"C:\\a.kln\"\"", "\"C:\\a.kln\""},  // only one pair
        {"\"C:\\a.kln", "\"C:\\a.kln"},          // no closing quote
        {"\"", "\""}};
    for (const auto& c : cases) { EXPECT_EQ(CommandLinePath(c.first), c.second) << "[" << c.first << "]"; }
}

TEST(StartupRules, TheSyntaxFileSettingResolvesInTheProgramFolder)
{
    const std::string app = "C:\\Kiln";
    const std::set<std::string> files = {"C:\\Kiln\\kln.syn", "C:\\Kiln\\mine.syn", "D:\\syn\\other.syn",
                                         "C:\\Kiln\\syntax\\kln.syn"};
    const auto exists = [&files](const std::string& path) { return files.count(path) != 0; };
    const std::pair<const char*, const char*> cases[] = {
        {"", "C:\\Kiln\\kln.syn"},
        {"   ", "C:\\Kiln\\kln.syn"},
        {"mine.syn", "C:\\Kiln\\mine.syn"},  // a bare name lies in the program folder
        {"syntax\\kln.syn", "C:\\Kiln\\syntax\\kln.syn"},
        {"D:\\syn\\other.syn", "D:\\syn\\other.syn"},
        {"D:\\syn\\missing.syn", "C:\\Kiln\\kln.syn"},  // a missing file falls back
        {"gone.syn", "C:\\Kiln\\kln.syn"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ResolveSyntaxFilePath(c.first, app, exists), c.second) << c.first;
    }
}

TEST(StartupRules, PlacementValuesThatAreNotNumbersAreLeftOut)
{
    const std::map<std::string, std::string> stored = {
        {"Main.State", "2"}, {"Main.Top", " 1500 "}, {"Main.Left", "abc"}, {"Main.Width", "12000"}};
    const auto placement = ReadPlacement([&stored](const std::string& name) {
        auto found = stored.find(name);
        return found == stored.end() ? std::string() : found->second;
    });
    EXPECT_EQ(placement.state, 2);
    EXPECT_EQ(placement.top, 1500);
    EXPECT_FALSE(placement.left);
    EXPECT_EQ(placement.width, 12000);
    EXPECT_FALSE(placement.height);
    EXPECT_FALSE(placement.HasRectangle());
}

}  // namespace
