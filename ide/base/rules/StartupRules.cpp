#include "StartupRules.h"

#include "Texts.h"

namespace kforge {

const char* const kFormsKey = "SOFTWARE\\MERIDAX\\Kiln Forge\\Forms";

std::string CommandLinePath(const std::string& commandLine)
{
    std::string path = Trim(commandLine);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
        path = Trim(path.substr(1, path.size() - 2));
    }
    return path;
}

std::string ResolveSyntaxFilePath(const std::string& setting, const std::string& appPath,
                                  const std::function<bool(const std::string&)>& fileExists)
{
    const std::string fallback = appPath + "\\kln.syn";
    std::string path = Trim(setting).empty() ? fallback : setting;
    if (path.substr(1, 2) != ":\\") { path = appPath + "\\" + path; }
    return fileExists(path) ? path : fallback;
}

StoredPlacement ReadPlacement(const std::function<std::string(const std::string&)>& readValue)
{
    StoredPlacement placement;
    placement.state = ParseInt32(readValue("Main.State"));
    placement.top = ParseInt32(readValue("Main.Top"));
    placement.left = ParseInt32(readValue("Main.Left"));
    placement.width = ParseInt32(readValue("Main.Width"));
    placement.height = ParseInt32(readValue("Main.Height"));
    return placement;
}

}  // namespace kforge
