#pragma once
// The values the main window shares with the shell's windows: the open
// solution and the document counter. Startup and buildBatch hold full paths
// while a solution is open.

#include <cstdint>
#include <string>

namespace kforge {

struct ShellValues {
    std::string solutionName;
    std::string solutionPath;  // the .ksl file; empty when no solution is open
    std::string solutionStartup;
    std::string solutionBuildBatch;
    std::int32_t documentCounter = 0;  // numbers the "file" keys of documents
    std::string syntaxFilePath;
};

}  // namespace kforge
