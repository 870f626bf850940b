#include "SolutionFile.h"

#include "Texts.h"
#include "Paths.h"

#include <algorithm>

namespace kforge {

namespace {

const std::string solutionSection = "Solution";
const std::string filesSection = "Files";
const std::string tasksSection = "Tasks";
const std::string solutionExtension = ".ksl";

// A stored path relative to the solution's folder becomes a full path.
std::string ResolveStoredPath(const std::string& folder, const std::string& value)
{
    std::string trimmed = Trim(value);
    if (trimmed.empty() || !IsRelativePath(trimmed)) return trimmed;
    return CanonicalizePath(folder + "\\" + trimmed);
}

// The numbers n from first to first + count - 1 for which the section holds
// the key prefix & n (names compare ignoring case, as in INI files), in
// ascending order. Only the keys the section holds are visited, so a huge
// count or a huge key number in a damaged file costs no more than the keys
// that are there.
std::vector<std::int64_t> NumberedKeysToRead(IniStore& ini, const std::string& file, const std::string& section,
                                             const std::string& prefix, std::int64_t first, std::int32_t count)
{
    std::vector<std::int64_t> numbers;
    const std::int64_t last = first + count - 1;
    for (const std::string& key : ini.ReadIniKeys(file, section)) {
        if (key.size() <= prefix.size() || !EqualsIgnoreCase(key.substr(0, prefix.size()), prefix)) {
            continue;
        }
        std::string digits = key.substr(prefix.size());
        std::optional<std::int32_t> number = ParseInt32(digits);
        // Only the canonical spelling matches: prefix & n writes no sign, blank or leading zero.
        if (number && *number >= first && *number <= last && std::to_string(*number) == digits) {
            numbers.push_back(*number);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

}  // namespace

bool IsFileItemKey(const std::string& key) { return StartsWith(key, "file"); }

bool SaveSolution(IniStore& ini, const std::string& path, const SolutionValues& values,
                  const std::vector<ProjectItem>& items)
{
    std::string folder = GetPath(path);
    return ini.EditAtomically(path, [&](const std::string& copy) {
        bool written = ini.WriteIni(copy, solutionSection, "Name", values.name) &&
                       ini.WriteIni(copy, solutionSection, "Startup", RelativePath(folder, values.startup)) &&
                       ini.WriteIni(copy, solutionSection, "BuildBatch", RelativePath(folder, values.buildBatch)) &&
                       ini.WriteIni(copy, solutionSection, "FilesCount", "0");
        ini.DeleteIniSection(copy, filesSection);
        int count = 0;
        for (const ProjectItem& item : items) {
            if (!written) break;
            if (!IsFileItemKey(item.key) || Trim(item.tag).empty()) continue;
            ++count;
            written = ini.WriteIni(copy, filesSection, "File" + std::to_string(count), RelativePath(folder, item.tag));
        }
        return written && ini.WriteIni(copy, solutionSection, "FilesCount", std::to_string(count));
    });
}

SolutionContents ReadSolution(IniStore& ini, const std::string& path,
                              const std::function<bool(const std::string&)>& fileExists)
{
    std::string folder = GetPath(path);
    SolutionContents contents;
    contents.filesCount = ParseInt32(ini.ReadIni(path, solutionSection, "FilesCount"));
    contents.values.name = ini.ReadIni(path, solutionSection, "Name");
    contents.values.startup = ResolveStoredPath(folder, ini.ReadIni(path, solutionSection, "Startup"));
    contents.values.buildBatch = ResolveStoredPath(folder, ini.ReadIni(path, solutionSection, "BuildBatch"));

    for (std::int64_t i :
         NumberedKeysToRead(ini, path, filesSection, "File", 1, contents.filesCount.value_or(0))) {
        std::string file =
            ResolveStoredPath(folder, ini.ReadIni(path, filesSection, "File" + std::to_string(i)));
        if (file.empty() || !fileExists(file)) continue;
        bool listedBefore = std::any_of(contents.files.begin(), contents.files.end(),
                                        [&](const std::string& f) { return EqualsIgnoreCase(f, file); });
        if (!listedBefore) contents.files.push_back(file);
    }
    return contents;
}

std::string FindFileItemKey(const std::vector<ProjectItem>& items, const std::string& path)
{
    std::string wanted = Trim(path);
    for (const ProjectItem& item : items) {
        if (IsFileItemKey(item.key) && Trim(item.tag) == wanted) return item.key;
    }
    return "";
}

bool CheckFile(const std::vector<ProjectItem>& items, const std::string& path)
{
    return !FindFileItemKey(items, path).empty();
}

std::string RootItemText(const std::string& solutionName)
{
    return Trim(solutionName).empty() ? "Blank" : solutionName;
}

bool OpensAsSolution(const std::string& path) { return EndsWith(LowerCase(Trim(path)), solutionExtension); }

bool BelongsInFileMru(const std::string& path) { return !EndsWith(path, solutionExtension); }

std::string WithSolutionExtension(const std::string& path)
{
    return EndsWith(LowerCase(path), solutionExtension) ? path : path + solutionExtension;
}

std::string DefaultSolutionPath(const std::string& appPath) { return appPath + "\\!default.ksl"; }

std::string TaskFile(const std::string& solutionPath, const std::string& appPath)
{
    std::string trimmed = Trim(solutionPath);
    return trimmed.empty() ? DefaultSolutionPath(appPath) : trimmed;
}

std::vector<std::string> LoadTasks(IniStore& ini, const std::string& file)
{
    std::vector<std::string> tasks;
    std::optional<std::int32_t> count = ParseInt32(ini.ReadIni(file, tasksSection, "Count"));
    for (std::int64_t i : NumberedKeysToRead(ini, file, tasksSection, "Item", 0, count.value_or(0))) {
        std::string task = ini.ReadIni(file, tasksSection, "Item" + std::to_string(i));
        if (!Trim(task).empty()) tasks.push_back(task);
    }
    return tasks;
}

bool SaveTasks(IniStore& ini, const std::string& file, const std::vector<std::string>& tasks)
{
    return ini.EditAtomically(file, [&](const std::string& copy) {
        ini.DeleteIniSection(copy, tasksSection);
        bool written = ini.WriteIni(copy, tasksSection, "Count", std::to_string(tasks.size()));
        for (std::size_t i = 0; written && i < tasks.size(); ++i) {
            written = ini.WriteIni(copy, tasksSection, "Item" + std::to_string(i), Trim(tasks[i]));
        }
        return written;
    });
}

}  // namespace kforge
