#include "BuildActions.h"

#include "MainWindow.h"

namespace kforge {

bool IsBuildCommand(const std::string& key)
{
    return key == "BuildBuild" || key == "BuildAll" || key == "BuildExecute" || key == "BuildClean";
}

BuildOutcome RunBuildCommand(MainWindow&, const std::string&) { return BuildOutcome::Completed; }

}  // namespace kforge
