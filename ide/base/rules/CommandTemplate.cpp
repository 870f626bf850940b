#include "CommandTemplate.h"

#include "Texts.h"
#include "Paths.h"

namespace kforge {

std::string SubstituteCommand(const std::string& commandTemplate, const std::string& file)
{
    std::string command = ReplaceAll(commandTemplate, "%FILE%", GetFileTitle(file));
    command = ReplaceAll(command, "%PATH%", GetPath(file));
    return ReplaceAll(command, "%FULL%", Trim(file));
}

std::string QuoteIfBlank(const std::string& path)
{
    if (path.find(' ') == std::string::npos || StartsWith(path, "\"")) return path;
    return "\"" + path + "\"";
}

std::string ToolCommand(const std::string& toolPath, const std::string& parameters)
{
    return QuoteIfBlank(toolPath) + " " + parameters;
}

}  // namespace kforge
