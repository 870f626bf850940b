#include "Paths.h"

#include "Texts.h"

#include <vector>

namespace kforge {

namespace {

constexpr char separator = '\\';

std::vector<std::string> SplitAtSeparators(const std::string& text)
{
    std::vector<std::string> parts;
    std::string::size_type from = 0;
    for (auto found = text.find(separator); found != std::string::npos; found = text.find(separator, from)) {
        parts.push_back(text.substr(from, found - from));
        from = found + 1;
    }
    parts.push_back(text.substr(from));
    return parts;
}

std::string Join(const std::vector<std::string>& parts)
{
    std::string joined;
    for (const std::string& part : parts) {
        if (&part != &parts.front()) joined += separator;
        joined += part;
    }
    return joined;
}

bool IsDriveRoot(const std::string& path)
{
    return path.size() >= 3 && path[1] == ':' && path[2] == separator;
}

// The leading part of an absolute path that ".." cannot climb above, with
// its backslash: "C:\", "\\server\share\" or "\". 0 for a relative path.
std::string::size_type RootLength(const std::string& path)
{
    if (IsDriveRoot(path)) return 3;
    if (StartsWith(path, "\\\\")) {
        auto share = path.find(separator, 2);
        auto afterShare = share == std::string::npos ? share : path.find(separator, share + 1);
        return afterShare == std::string::npos ? path.size() : afterShare + 1;
    }
    return StartsWith(path, "\\") ? 1 : 0;
}

// The length of the common leading run of whole components, ignoring case;
// a shared drive ("C:") is such a run. A backslash ends a component, except
// the leading one or two of a rooted or UNC path.
std::string::size_type CommonPrefixLength(const std::string& a, const std::string& b)
{
    std::string::size_type common = 0;
    std::string::size_type i = 0;
    for (; i < a.size() && i < b.size() && LowerCase(a[i]) == LowerCase(b[i]); ++i) {
        if (a[i] == separator && i > 0 && !(i == 1 && a[0] == separator)) common = i;
    }
    bool aComponentEnds = i == a.size() || a[i] == separator;
    bool bComponentEnds = i == b.size() || b[i] == separator;
    if (i > common && aComponentEnds && bComponentEnds) common = i;
    return common;
}

std::vector<std::string> NonEmptyComponents(const std::string& text)
{
    std::vector<std::string> components;
    for (std::string& part : SplitAtSeparators(text)) {
        if (!part.empty()) components.push_back(std::move(part));
    }
    return components;
}

}  // namespace

std::string GetFileName(const std::string& path)
{
    auto last = path.rfind(separator);
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string GetPath(const std::string& path)
{
    auto last = path.rfind(separator);
    return last == std::string::npos ? "" : path.substr(0, last);
}

std::string GetFileTitle(const std::string& path)
{
    std::string name = GetFileName(path);
    auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string GetFileExt(const std::string& path)
{
    std::string name = GetFileName(path);
    auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(dot + 1);
}

bool IsRelativePath(const std::string& path)
{
    return !StartsWith(path, "\\") && !(path.size() >= 2 && path[1] == ':');
}

std::string CanonicalizePath(const std::string& path)
{
    auto rootLength = RootLength(path);
    std::vector<std::string> kept;
    for (std::string& step : SplitAtSeparators(path.substr(rootLength))) {
        if (step == ".") continue;
        if (step != "..") {
            kept.push_back(std::move(step));
        } else if (!kept.empty() && kept.back() != "..") {
            kept.pop_back();
        } else if (rootLength == 0) {
            kept.push_back(std::move(step));
        }
    }
    return path.substr(0, rootLength) + Join(kept);
}

std::string RelativePath(const std::string& baseFolder, const std::string& target)
{
    auto common = CommonPrefixLength(baseFolder, target);
    if (common == 0) return target;
    std::vector<std::string> steps(NonEmptyComponents(baseFolder.substr(common)).size(), "..");
    for (std::string& component : NonEmptyComponents(target.substr(common))) {
        steps.push_back(std::move(component));
    }
    return Join(steps);
}

}  // namespace kforge
