// The docking layout kept across runs in the layout file, tagged with the
// version of the program that wrote it; a layout written by another version
// is ignored, so a changed set of panes never meets an old layout.
//
// File (little-endian): uint16 0x2011, uint16 1, uint32 count, uint32 0, then
// count bytes: the PropertyBag encoding of "Version" (text) and "Layout"
// (bytes), each left out when empty.
#pragma once

#include "Version.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kforge {

// major.minor.revision as "01.00.0139": at least 2, 2 and 4 digits.
std::string FormatProgramVersion(unsigned major, unsigned minor, unsigned revision);

struct LayoutStore {
    std::vector<std::uint8_t> layout;  // the docking host's bytes; empty for none
    std::string programVersion =
        FormatProgramVersion(KFORGE_VERSION_MAJOR, KFORGE_VERSION_MINOR, KFORGE_VERSION_REVISION);
    std::string loadedVersion;  // the version tag of the file last loaded

    // Takes the file's layout when its version equals programVersion exactly;
    // otherwise layout stays as it was. A missing, truncated or foreign file
    // reads as one without a version.
    void Load(const std::string& path);
    // Replaces the file whole; false when it could not be written, and the
    // old file is then left as it was.
    bool Save(const std::string& path) const;
};

}  // namespace kforge
