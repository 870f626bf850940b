// The values the whole IDE shares through the main window: the open
// solution's name, file, start-up file and build batch (full paths while a
// solution is open), the counter behind document keys ("file" & n), and the
// syntax file resolved at start-up.
#pragma once

#include <cstdint>
#include <string>

namespace kforge {

struct SharedValues {
    std::string solutionName;
    std::string solutionPath;
    std::string solutionStartup;
    std::string solutionBuildBatch;
    std::int32_t documentCounter = 0;
    std::string syntaxFilePath;
};

}  // namespace kforge
