#include "ExplorerRules.h"

#include <limits>

#include "Paths.h"
#include "Texts.h"

namespace kforge {

namespace {

const std::string libraryKeyPrefix = "libs::";

template<typename Field>
int FindDocument(const std::vector<ExplorerDocument>& documents, const std::string& wanted, Field field)
{
    for (const ExplorerDocument& document : documents) {
        if (EqualsIgnoreCase(document.*field, wanted)) { return document.id; }
    }
    return -1;
}

}  // namespace

std::string LibraryKey(const std::string& title) { return libraryKeyPrefix + title; }

bool IsLibraryKey(const std::string& key) { return StartsWith(key, libraryKeyPrefix); }

std::string ItemTitle(const std::string& path) { return GetFileTitle(path); }

std::string LibraryPattern(const std::string& appPath) { return appPath + "\\lib\\*.kmd"; }

std::string LibrarySourcePath(const std::string& appPath, const std::string& title)
{
    return appPath + "\\lib\\" + title + ".kln";
}

std::string NewDocumentKey(std::int32_t& documentCounter)
{
    if (documentCounter < std::numeric_limits<std::int32_t>::max()) { ++documentCounter; }
    return "file" + std::to_string(documentCounter);
}

int FindDocumentByKey(const std::vector<ExplorerDocument>& documents, const std::string& key)
{
    return FindDocument(documents, key, &ExplorerDocument::key);
}

int FindDocumentByFile(const std::vector<ExplorerDocument>& documents, const std::string& path)
{
    if (path.empty()) { return -1; }
    return FindDocument(documents, path, &ExplorerDocument::fileName);
}

}  // namespace kforge
