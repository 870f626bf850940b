// The Settings dialog's rules that depend on texts alone: the registry names
// of the IDE's settings, the user's PATH list and the file associations.
#pragma once

#include <string>
#include <vector>

namespace kforge {

// The registry key (below HKEY_LOCAL_MACHINE) of the IDE's own values.
extern const char* const kSettingsKey;  // "SOFTWARE\MERIDAX\Kiln Forge\Settings"

// A Boolean setting as it is stored: "True" or "False".
std::string SettingText(bool on);
// "Param" + n, "LinkParam" + n, "ResParam" + n for configuration n.
std::string ConfigurationValueName(const std::string& base, int configuration);

// The entries of a PATH value: split at every ';', each trimmed, blank ones
// left out ("C:\A;;  ;C:\B " gives C:\A and C:\B).
std::vector<std::string> SplitPathList(const std::string& pathValue);
// The entries joined with ';' between them; a ';' is put before an entry
// only when the text built so far is not blank.
std::string JoinPathList(const std::vector<std::string>& entries);

// One default value under HKEY_CLASSES_ROOT.
struct Association {
    std::string key;
    std::string value;
};
// The eight association values in the order they are written, for the IDE
// in appFolder (no trailing backslash).
std::vector<Association> FileAssociations(const std::string& appFolder);
// The extension keys that clearing the associations deletes.
std::vector<std::string> AssociatedExtensions();

}  // namespace kforge
