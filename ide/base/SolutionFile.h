// The solution file (.ksl): writing it from the solution values and the
// Project Explorer's items, reading it back with its paths resolved, and
// its task list. All file access goes through an IniStore.
//
//   [Solution]  Name, Startup, BuildBatch, FilesCount
//   [Files]     File1 ... FileN   (relative to the solution's folder where possible)
//   [Tasks]     Count, Item0 ... Item(Count-1)
#pragma once

#include "IniStore.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kforge {

// The main window's solution values; startup and buildBatch are full paths
// (empty when none) while a solution is open.
struct SolutionValues {
    std::string name;
    std::string startup;
    std::string buildBatch;
};

// A Project Explorer item as far as the solution file is concerned.
struct ProjectItem {
    std::string key;  // "file" & n for a file item
    std::string tag;  // the file's full path; empty for an unsaved document and for groups
};

// What a solution file gives the IDE when it is opened.
struct SolutionContents {
    std::optional<std::int32_t> filesCount;  // the new document counter; none when not a number
    SolutionValues values;
    std::vector<std::string> files;  // listed files that exist, full paths, in order, each once
};

// A file item's key begins with "file".
bool IsFileItemKey(const std::string& key);

// Writes Name, Startup and BuildBatch (relative to the solution's folder),
// then the "Files" section anew at the end of the file from the file items
// that have a path, and their count. Other sections are left alone. The
// file is replaced whole or, when a write fails (false), left as it was.
bool SaveSolution(IniStore& ini, const std::string& path, const SolutionValues& values,
                  const std::vector<ProjectItem>& items);

// Reads the solution at path. Relative Startup, BuildBatch and File values
// are taken from the solution's folder with their ".." steps applied. File
// entries that are empty, missing on disk (fileExists) or repeat an earlier
// entry (ignoring case) are left out.
SolutionContents ReadSolution(IniStore& ini, const std::string& path,
                              const std::function<bool(const std::string&)>& fileExists);

// The key of the first file item whose trimmed tag equals the trimmed path
// (case-sensitive); empty when no item lists the file.
std::string FindFileItemKey(const std::vector<ProjectItem>& items, const std::string& path);
bool CheckFile(const std::vector<ProjectItem>& items, const std::string& path);

// The root item's text: "Blank" for a name of blanks only.
std::string RootItemText(const std::string& solutionName);

// A path opens as a solution when its trimmed text ends in ".ksl" in any case.
bool OpensAsSolution(const std::string& path);
// The recent-files list takes every path that does not end in exactly ".ksl".
bool BelongsInFileMru(const std::string& path);
// The path a solution is saved under: ".ksl" appended unless it ends so in any case.
std::string WithSolutionExtension(const std::string& path);

// appPath & "\!default.ksl", the solution used while none is open.
std::string DefaultSolutionPath(const std::string& appPath);
// The file the task list lives in: the trimmed solution path, else the default solution.
std::string TaskFile(const std::string& solutionPath, const std::string& appPath);

// The non-blank tasks of the "Tasks" section, as written (untrimmed).
std::vector<std::string> LoadTasks(IniStore& ini, const std::string& file);
// Rewrites the "Tasks" section (it moves to the end of the file), each task
// trimmed; as SaveSolution, the whole file or nothing.
bool SaveTasks(IniStore& ini, const std::string& file, const std::vector<std::string>& tasks);

}  // namespace kforge
