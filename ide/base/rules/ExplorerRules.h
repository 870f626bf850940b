// The Project Explorer's rules that need no window: library items, the
// keys of new documents and which document window an item belongs to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kforge {

// The most libraries the explorer lists.
constexpr int kMaxLibraries = 2049;

// One document window of the docking host as the explorer sees it.
struct ExplorerDocument {
    int id = 0;            // the window's Id, unique for the session
    std::string key;       // the window's Key
    std::string fileName;  // the hosted document's FileName; "" without one
};

// A library item's key is "libs::" followed by the library's title.
std::string LibraryKey(const std::string& title);
bool IsLibraryKey(const std::string& key);
// The text of a file or library item: the file's name without its folder
// and extension.
std::string ItemTitle(const std::string& path);

// appPath & "\lib\*.kmd": the compiled libraries the explorer lists.
std::string LibraryPattern(const std::string& appPath);
// appPath & "\lib\" & title & ".kln": a library's source, beside its .kmd.
std::string LibrarySourcePath(const std::string& appPath, const std::string& title);

// "file" & the counter after one more step. A counter at its highest value
// stays there, so the key repeats rather than wrapping to a negative one.
std::string NewDocumentKey(std::int32_t& documentCounter);

// The Id of the first document window whose key (or file name) equals the
// given one ignoring case; -1 when none does. An empty path names no file.
int FindDocumentByKey(const std::vector<ExplorerDocument>& documents, const std::string& key);
int FindDocumentByFile(const std::vector<ExplorerDocument>& documents, const std::string& path);

}  // namespace kforge
