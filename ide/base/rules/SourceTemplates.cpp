#include "SourceTemplates.h"

#include <initializer_list>

namespace kforge {

namespace {

std::string JoinLines(std::initializer_list<std::string> lines)
{
    std::string text;
    bool first = true;
    for (const std::string& line : lines) {
        if (!first) text += "\r\n";
        text += line;
        first = false;
    }
    return text;
}

std::string ProgramSource(const std::string& consoleOption, const std::string& now)
{
    return JoinLines({"Option Explicit", consoleOption, "", "'Kiln file for application", "'Date : " + now,
                      "", "Sub Main 'default main procedure, start program from here", "", "End Sub"});
}

}  // namespace

ProjectPaths NewProjectPaths(const std::string& location, const std::string& name)
{
    std::string folder = location + "\\" + name;
    return {folder, folder + "\\" + name + ".ksl", folder + "\\" + name + ".kln"};
}

bool IsProjectFolderName(const std::string& name)
{
    return name != "." && name != ".." && name.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

std::string ProjectSource(ProjectType type, const std::string& now)
{
    switch (type) {
        case ProjectType::Gui:
            return ProgramSource("Option Console OFF", now);
        case ProjectType::Console:
            return ProgramSource("Option Console ON", now);
        case ProjectType::Dll:
            return JoinLines({"Option Explicit", "Option DLL ON", "", "'Kiln file for dll", "'Date : " + now,
                              "", "EXPORT FUNCTION SomeName(strAny As String) As Long", "", "End Function"});
        case ProjectType::Interface:
            return JoinLines({"INTERFACE NOSKIP", "", "Option Explicit", "", "'Kiln file for application",
                              "'Date : " + now});
    }
    return "";
}

std::string ApplicationSource(const std::string& now)
{
    return JoinLines({"Option Explicit", "", "'Kiln file for application", "'Date : " + now, "", "Sub Main",
                      "", "End Sub"});
}

std::string LibrarySource(const std::string& now)
{
    return JoinLines({"Option Explicit", "Option DLL ON", "", "'Kiln file for dll", "'Date : " + now});
}

std::optional<ProjectType> ProjectTypeOfRow(int row)
{
    if (row < 0 || row > 3) return std::nullopt;
    return static_cast<ProjectType>(row);
}

std::string ProjectExistsMessage(const std::string& name)
{
    return "Project \"" + name + "\" exist in specified location !";
}

}  // namespace kforge
