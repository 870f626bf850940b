// Writing a file so that it is either replaced whole or left as it was: the
// new content goes to a temporary file in the same folder, which then takes
// the old file's place in one rename. A write that fails half-way (a full
// disk, a refused permission) leaves the old file byte for byte and no
// temporary file behind.
#pragma once

#include <functional>
#include <string>

namespace kforge {

// Calls write with the path of a new, empty temporary file beside path; when
// write returns true, that file replaces path. False when anything failed.
bool ReplaceFileWith(const std::string& path, const std::function<bool(const std::string& temporary)>& write);

// Replaces path with exactly these bytes.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// Lets edit change a copy of path in place (an empty file when path does not
// exist yet), then puts the copy in place of path.
bool EditFileAtomically(const std::string& path, const std::function<bool(const std::string& copy)>& edit);

}  // namespace kforge
