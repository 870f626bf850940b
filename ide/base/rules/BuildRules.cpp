#include "BuildRules.h"

#include "Texts.h"
#include "Paths.h"

#include <iterator>

namespace kforge {

bool IsSettingOn(const std::string& value) { return LowerCase(value) == "true"; }

std::optional<int> ConfigurationIndex(const std::string& configuration)
{
    static const char* const configurations[] = {"Win32 Release", "Win32 Debug", "Win32 Library"};
    for (int i = 0; i < static_cast<int>(std::size(configurations)); ++i) {
        if (configuration == configurations[i]) return i;
    }
    return std::nullopt;
}

bool HasErrorLine(const std::string& errorFileText)
{
    // From the second character on: a leading CR LF "Error " does not count.
    return errorFileText.find("\r\nError ", 1) != std::string::npos;
}

std::string ExecutableFor(const std::string& file)
{
    std::string name = GetFileName(file);
    auto dot = name.rfind('.');
    std::string withoutExtension =
        dot == std::string::npos ? file : file.substr(0, file.size() - (name.size() - dot));
    return withoutExtension + ".exe";
}

}  // namespace kforge
