// The sources the IDE writes into new documents (the new-file commands and
// the New Project dialog's project types), and the paths and name check of
// a new project. The date line takes the creation date and time as text.
#pragma once

#include <optional>
#include <string>

namespace kforge {

// The project types in the order of the dialog's list.
enum class ProjectType { Gui = 0, Dll = 1, Console = 2, Interface = 3 };

struct ProjectPaths {
    std::string folder;    // location\name
    std::string solution;  // location\name\name.ksl
    std::string startup;   // location\name\name.kln
};

// The paths of a new project; the separator is added without looking at the
// location's last character.
ProjectPaths NewProjectPaths(const std::string& location, const std::string& name);

// A name that can only be a folder directly in the location: not "." or
// "..", and none of \ / : * ? " < > |.
bool IsProjectFolderName(const std::string& name);

// The first source of a project of the type, its lines joined by CR LF with
// none after the last; now is the creation date and time as text.
std::string ProjectSource(ProjectType type, const std::string& now);
// The new-file commands' sources: a program, and a library with no procedure.
std::string ApplicationSource(const std::string& now);
std::string LibrarySource(const std::string& now);

// The type of the dialog list's row; none for any other row.
std::optional<ProjectType> ProjectTypeOfRow(int row);

// The message shown when the project's folder exists already.
std::string ProjectExistsMessage(const std::string& name);

}  // namespace kforge
