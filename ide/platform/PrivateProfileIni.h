// The IDE's INI store: the Windows private-profile functions, with full paths.
#pragma once

#include "IniStore.h"

namespace kforge {

class PrivateProfileIni : public IniStore {
public:
    std::string ReadIni(const std::string& file, const std::string& section, const std::string& key) override;
    std::vector<std::string> ReadIniKeys(const std::string& file, const std::string& section) override;
    bool WriteIni(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) override;
    void DeleteIniSection(const std::string& file, const std::string& section) override;
    bool EditAtomically(const std::string& file, const std::function<bool(const std::string& copy)>& edit) override;
};

}  // namespace kforge
