#include "SettingsRules.h"

#include <gtest/gtest.h>

namespace kforge {
namespace {

using Entries = std::vector<std::string>;

TEST(PathList, SplitTrimsAndDropsBlankEntries)
{
    struct Case {
        const char* value;
        Entries entries;
    } cases[] = {
        {"C:\\A;;  ;C:\\B ", {"C:\\A", "C:\\B"}},
        {"", {}},
        {" ; ;", {}},
        {";C:\\A", {"C:\\A"}},
        {"  C:\\Program Files\\x  ", {"C:\\Program Files\\x"}},
        {"%SystemRoot%;C:\\B;", {"%SystemRoot%", "C:\\B"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitPathList(c.value), c.entries) << c.value;
}

TEST(PathList, JoinPutsSeparatorsOnlyAfterNonBlankText)
{
    EXPECT_EQ(JoinPathList({"C:\\A", "C:\\B"}), "C:\\A;C:\\B");
    EXPECT_EQ(JoinPathList({}), "");
    EXPECT_EQ(JoinPathList({"C:\\A"}), "C:\\A");
    // A list read and written back unchanged normalises the value.
    EXPECT_EQ(JoinPathList(SplitPathList("C:\\A;;  ;C:\\B ")), "C:\\A;C:\\B");
}

TEST(Settings, NamesAndBooleanTexts)
{
    EXPECT_STREQ(kSettingsKey, "SOFTWARE\\MERIDAX\\Kiln Forge\\Settings");
    EXPECT_EQ(SettingText(true), "True");
    EXPECT_EQ(SettingText(false), "False");
    EXPECT_EQ(ConfigurationValueName("Param", 1), "Param1");
    EXPECT_EQ(ConfigurationValueName("LinkParam", 2), "LinkParam2");
    EXPECT_EQ(ConfigurationValueName("ResParam", 0), "ResParam0");
}

TEST(Associations, TheEightValuesInTheirOrder)
{
    std::vector<Association> values = FileAssociations("C:\\Kiln");
    ASSERT_EQ(values.size(), 8u);
    const char* expected[][2] = {
        {".kln", "KLN.File"},
        {"KLN.File\\DefaultIcon", "C:\\Kiln\\kforge.exe,5"},
        {"KLN.File\\shell\\open\\command", "\"C:\\Kiln\\kforge.exe\" %1"},
        {".ksl", "KLN.Solution"},
        {"KLN.Solution\\DefaultIcon", "C:\\Kiln\\kforge.exe,6"},
        {"KLN.Solution\\shell\\open\\command", "\"C:\\Kiln\\kforge.exe\" %1"},
        {".kmd", "KLN.Module"},
        {"KLN.Module\\DefaultIcon", "C:\\Kiln\\kforge.exe,8"},
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i].key, expected[i][0]);
        EXPECT_EQ(values[i].value, expected[i][1]);
    }
    EXPECT_EQ(AssociatedExtensions(), (Entries{".kln", ".ksl", ".kmd"}));
}

}  // namespace
}  // namespace kforge
