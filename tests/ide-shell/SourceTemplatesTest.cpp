#include "SourceTemplates.h"

#include <gtest/gtest.h>

namespace kforge {
namespace {

TEST(NewProject, PathsJoinWithoutLookingAtTheLocationsEnd)
{
    ProjectPaths paths = NewProjectPaths("C:\\Kiln\\projects", "Demo");
    EXPECT_EQ(paths.folder, "C:\\Kiln\\projects\\Demo");
    EXPECT_EQ(paths.solution, "C:\\Kiln\\projects\\Demo\\Demo.ksl");
    EXPECT_EQ(paths.startup, "C:\\Kiln\\projects\\Demo\\Demo.kln");
    EXPECT_EQ(NewProjectPaths("C:\\work\\", "P").solution, "C:\\work\\\\P\\P.ksl");
}

TEST(NewProject, NamesThatLeaveTheLocationAreRefused)
{
    for (const char* name : {"Project1", "my project", "a.b", "..x", "x.."})
        EXPECT_TRUE(IsProjectFolderName(name)) << name;
    for (const char* name : {".", "..", "..\\x", "a/b", "c:x", "a*", "a?", "a\"b", "<a>", "a|b"})
        EXPECT_FALSE(IsProjectFolderName(name)) << name;
}

TEST(NewProject, TheFourSourcesLineByLine)
{
    const std::string now = "11.12.2026 02:45:10";
    struct Case {
        ProjectType type;
        std::string text;
    } cases[] = {
        {ProjectType::Gui,
         "Option Explicit\r\nOption Console OFF\r\n\r\n'Kiln file for application\r\n'Date : " + now +
             "\r\n\r\nSub Main 'default main procedure, start program from here\r\n\r\nEnd Sub"},
        {ProjectType::Console,
         "Option Explicit\r\nOption Console ON\r\n\r\n'Kiln file for application\r\n'Date : " + now +
             "\r\n\r\nSub Main 'default main procedure, start program from here\r\n\r\nEnd Sub"},
        {ProjectType::Dll,
         "Option Explicit\r\nOption DLL ON\r\n\r\n'Kiln file for dll\r\n'Date : " + now +
             "\r\n\r\nEXPORT FUNCTION SomeName(strAny As String) As Long\r\n\r\nEnd Function"},
        {ProjectType::Interface,
         "INTERFACE NOSKIP\r\n\r\nOption Explicit\r\n\r\n'Kiln file for application\r\n'Date : " + now},
    };
    for (const Case& c : cases) EXPECT_EQ(ProjectSource(c.type, now), c.text) << int(c.type);
}

TEST(NewFile, ProgramAndLibrarySources)
{
    const std::string now = "11.12.2026 02:45:10";
    EXPECT_EQ(ApplicationSource(now), "Option Explicit\r\n\r\n'Kiln file for application\r\n'Date : " + now +
                                          "\r\n\r\nSub Main\r\n\r\nEnd Sub");
    EXPECT_EQ(LibrarySource(now),
              "Option Explicit\r\nOption DLL ON\r\n\r\n'Kiln file for dll\r\n'Date : " + now);
}

TEST(NewProject, RowsAndMessages)
{
    EXPECT_EQ(ProjectTypeOfRow(0), ProjectType::Gui);
    EXPECT_EQ(ProjectTypeOfRow(1), ProjectType::Dll);
    EXPECT_EQ(ProjectTypeOfRow(2), ProjectType::Console);
    EXPECT_EQ(ProjectTypeOfRow(3), ProjectType::Interface);
    EXPECT_EQ(ProjectTypeOfRow(-1), std::nullopt);
    EXPECT_EQ(ProjectTypeOfRow(4), std::nullopt);
    EXPECT_EQ(ProjectExistsMessage("Project1"), "Project \"Project1\" exist in specified location !");
}

}  // namespace
}  // namespace kforge
