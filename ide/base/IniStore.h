// INI files as the solution file uses them: sections of key=value lines,
// section and key names compared ignoring case, files named by full paths.
// The IDE's store sits on the Windows private-profile functions; the
// solution logic sees only this interface.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kforge {

class IniStore {
public:
    virtual ~IniStore() = default;

    // The whole value; empty when the file, section or key is missing.
    virtual std::string ReadIni(const std::string& file, const std::string& section,
                                const std::string& key) = 0;
    // The names of the section's keys in file order; empty when it is missing.
    virtual std::vector<std::string> ReadIniKeys(const std::string& file, const std::string& section) = 0;
    // Writes one key, creating the file and the section as needed; false on failure.
    virtual bool WriteIni(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& value) = 0;
    // Removes the section with all its keys.
    virtual void DeleteIniSection(const std::string& file, const std::string& section) = 0;
    // Runs edit, which writes through this store to the path it is given, on
    // a copy of file, and puts the copy in place of file only when edit
    // returns true: a write that fails half-way leaves file as it was.
    virtual bool EditAtomically(const std::string& file,
                                const std::function<bool(const std::string& copy)>& edit) = 0;
};

}  // namespace kforge
