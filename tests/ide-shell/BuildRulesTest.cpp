#include "BuildRules.h"

#include <gtest/gtest.h>

#include <string>

using namespace kforge;

TEST(BuildRules, ASettingIsOnOnlyForTrueInAnyCase)
{
    for (const char* on : {"True", "TRUE", "true", "tRuE"}) EXPECT_TRUE(IsSettingOn(on)) << on;
    for (const char* off : {"True ", " true", "False", "", "1", "yes"}) {
        EXPECT_FALSE(IsSettingOn(off)) << off;
    }
}

TEST(BuildRules, EachConfigurationTakesItsParameterSet)
{
    EXPECT_EQ(ConfigurationIndex("Win32 Release"), 0);
    EXPECT_EQ(ConfigurationIndex("Win32 Debug"), 1);
    EXPECT_EQ(ConfigurationIndex("Win32 Library"), 2);
    for (const char* other : {"win32 debug", "Win32 Debug ", "Win32", "", "Win64 Release"}) {
        EXPECT_EQ(ConfigurationIndex(other), std::nullopt) << other;
    }
}

TEST(BuildRules, AnErrorLineCountsAfterTheFirstCharacter)
{
    const std::pair<const char*, bool> cases[] = {
        {"Kiln bcc32\r\nError a.cpp 3: expected ';'\r\n", true},
        {"Kiln bcc32\r\nWarning a.cpp 3: unused\r\nError a.cpp 4: x\r\n", true},
        {"\r\nError a.cpp 3: x\r\n", false},
        {"\r\nError a.cpp 3: x\r\nError a.cpp 4: y\r\n", true},
        {"Kiln bcc32\r\n", false},
        {"Kiln bcc32\r\nWarning a.cpp 3: unused\r\n", false},
        {"Error a.cpp 3: on the first line\r\n", false},
        {"Kiln bcc32\nError a.cpp 3: LF only\n", false},
        {"Kiln bcc32\r\nerror a.cpp 3: lower case\r\n", false},
        {"Kiln bcc32\r\nErrors: none\r\n", false},
        {"", false},
    };
    for (const auto& [text, hasError] : cases) EXPECT_EQ(HasErrorLine(text), hasError) << text;
}

TEST(BuildRules, TheProgramReplacesTheExtensionAfterTheLastDot)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\work\\Hello.kln", "C:\\work\\Hello.exe"},
        {"C:\\work\\hello.c", "C:\\work\\hello.exe"},
        {"C:\\work\\a.b.kln", "C:\\work\\a.b.exe"},
        {"C:\\work.d\\Hello", "C:\\work.d\\Hello.exe"},
        {"C:\\kforge\\b31415926.exe", "C:\\kforge\\b31415926.exe"},
        {"hello.kln", "hello.exe"},
    };
    for (const auto& [file, program] : cases) EXPECT_EQ(ExecutableFor(file), program) << file;
}
