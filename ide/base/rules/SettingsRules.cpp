#include "SettingsRules.h"

#include "Texts.h"

namespace kforge {

const char* const kSettingsKey = "SOFTWARE\\MERIDAX\\Kiln Forge\\Settings";

std::string SettingText(bool on) { return on ? "True" : "False"; }

std::string ConfigurationValueName(const std::string& base, int configuration)
{
    return base + std::to_string(configuration);
}

std::vector<std::string> SplitPathList(const std::string& pathValue)
{
    std::vector<std::string> entries;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = pathValue.find(';', start);
        std::string entry = Trim(pathValue.substr(start, end == std::string::npos ? end : end - start));
        if (!entry.empty()) entries.push_back(entry);
        if (end == std::string::npos) return entries;
        start = end + 1;
    }
}

std::string JoinPathList(const std::vector<std::string>& entries)
{
    std::string joined;
    for (const std::string& entry : entries) {
        if (!Trim(joined).empty()) joined += ';';
        joined += entry;
    }
    return joined;
}

std::vector<Association> FileAssociations(const std::string& appFolder)
{
    const std::string program = appFolder + "\\kforge.exe";
    const std::string openCommand = "\"" + program + "\" %1";
    return {
        {".kln", "KLN.File"},
        {"KLN.File\\DefaultIcon", program + ",5"},
        {"KLN.File\\shell\\open\\command", openCommand},
        {".ksl", "KLN.Solution"},
        {"KLN.Solution\\DefaultIcon", program + ",6"},
        {"KLN.Solution\\shell\\open\\command", openCommand},
        {".kmd", "KLN.Module"},
        {"KLN.Module\\DefaultIcon", program + ",8"},
    };
}

std::vector<std::string> AssociatedExtensions() { return {".kln", ".ksl", ".kmd"}; }

}  // namespace kforge
