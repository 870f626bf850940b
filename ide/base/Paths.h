// Path texts: backslash-separated Windows paths, handled as plain text so
// that the solution file's rules work (and are tested) without Windows.
#pragma once

#include <string>

namespace kforge {

// C:\a\b.kln gives b.kln; the whole text when it has no backslash.
std::string GetFileName(const std::string& path);
// C:\a\b.kln gives C:\a; empty when there is no backslash.
std::string GetPath(const std::string& path);
// C:\a\b.c.kln gives b.c; the whole file name when it has no dot.
std::string GetFileTitle(const std::string& path);
// C:\a\b.kln gives kln; the whole file name when it has no dot.
std::string GetFileExt(const std::string& path);

// False for a path that starts with a backslash or names a drive ("X:..."),
// as PathIsRelativeA answers; an empty path counts as relative.
bool IsRelativePath(const std::string& path);

// The path with its "." and ".." steps applied. ".." never climbs above an
// absolute path's root (C:\, \\server\share\ or \); in a relative path the
// ".." steps that have nothing left to remove are kept.
std::string CanonicalizePath(const std::string& path);

// target relative to baseFolder over their common leading whole components,
// compared ignoring case: sub\a.kln, ..\lib\x.kln, empty for the folder
// itself; sharing only the drive gives parent steps up to its root. A target
// that shares nothing with the base (another drive, an empty base, a
// relative target) is returned unchanged.
std::string RelativePath(const std::string& baseFolder, const std::string& target);

}  // namespace kforge
