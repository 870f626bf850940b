#include "CommandTemplate.h"

#include <gtest/gtest.h>

#include <string>

using namespace kforge;

namespace {

struct SubstitutionCase {
    std::string commandTemplate, file, command;
};

}  // namespace

TEST(CommandTemplate, PlaceholdersAreReplacedInOrder)
{
    const SubstitutionCase cases[] = {
        {"kln %FILE%", "C:\\work\\Hello.kln", "kln Hello"},
        {"%PATH%", "C:\\work\\Hello.kln", "C:\\work"},
        {"%FULL%", "C:\\work\\Hello.kln", "C:\\work\\Hello.kln"},
        {"[%FULL%]", "  C:\\work\\Hello.kln  ", "[C:\\work\\Hello.kln]"},
        {"kln -r %FILE% %FILE%.kln", "C:\\w\\a.b.kln", "kln -r a.b a.b.kln"},
        {"cd %PATH% && bcc32 %FULL%", "C:\\w\\m.cpp", "cd C:\\w && bcc32 C:\\w\\m.cpp"},
        {"kln %file% %Path% %full%", "C:\\w\\a.kln", "kln %file% %Path% %full%"},
        {"kln", "C:\\w\\a.kln", "kln"},
        {"", "C:\\w\\a.kln", ""},
        {"kln %FILE%", "", "kln "},
        // A later placeholder is replaced in what an earlier one inserted ...
        {"%FILE%", "C:\\w\\%PATH%.kln", "C:\\w"},
        // ... but text a replacement inserts is not searched for its own placeholder again.
        {"%PATH%", "C:\\%FULL%\\a.kln", "C:\\C:\\%FULL%\\a.kln"},
    };
    for (const SubstitutionCase& c : cases) {
        EXPECT_EQ(SubstituteCommand(c.commandTemplate, c.file), c.command) << c.commandTemplate;
    }
}

TEST(CommandTemplate, PathsWithBlanksAreQuotedOnce)
{
    EXPECT_EQ(QuoteIfBlank("kln"), "kln");
    EXPECT_EQ(QuoteIfBlank("c:\\program files\\kiln\\kln.exe"), "\"c:\\program files\\kiln\\kln.exe\"");
    EXPECT_EQ(QuoteIfBlank("\"c:\\program files\\kln.exe\""), "\"c:\\program files\\kln.exe\"");
    EXPECT_EQ(QuoteIfBlank(""), "");
}

TEST(CommandTemplate, AToolCommandIsThePathABlankAndTheParameters)
{
    EXPECT_EQ(ToolCommand("kln", "-r %FILE%"), "kln -r %FILE%");
    EXPECT_EQ(ToolCommand("c:\\my tools\\kln", "%FILE%"), "\"c:\\my tools\\kln\" %FILE%");
    // Never empty, so a build step never meets the empty-command message.
    EXPECT_EQ(ToolCommand("", ""), " ");
}
