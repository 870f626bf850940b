// An IniStore over files kept in memory and laid out as the Windows
// private-profile functions write them: "[Section]" and "key=value" lines
// ending in CR LF, no blank lines; a new key goes to the end of its section,
// a new section to the end of the file. Names compare ignoring case.
#pragma once

#include "IniStore.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class MemoryIni : public kforge::IniStore {
public:
    // The file's text; empty when it does not exist.
    std::string Text(const std::string& file) const;
    // Makes the file hold the given text (its "[Section]" and "key=value" lines).
    void SetText(const std::string& file, const std::string& text);

    std::string ReadIni(const std::string& file, const std::string& section, const std::string& key) override;
    std::vector<std::string> ReadIniKeys(const std::string& file, const std::string& section) override;
    bool WriteIni(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) override;
    void DeleteIniSection(const std::string& file, const std::string& section) override;
    bool EditAtomically(const std::string& file, const std::function<bool(const std::string& copy)>& edit) override;

    // How many values ReadIni has been asked for.
    int readCount = 0;
    // How many more WriteIni calls succeed; the later ones fail, as on a
    // full disk. Negative: every write succeeds.
    int writesBeforeFailure = -1;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    using Sections = std::vector<Section>;

    Section* FindSection(const std::string& file, const std::string& section);

    std::map<std::string, Sections> files_;
};
