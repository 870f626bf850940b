#include "PrivateProfileIni.h"

#include <windows.h>

#include "AtomicFile.h"

namespace kforge {

namespace {

// GetPrivateProfileStringA with a buffer that grows until the answer fits:
// the whole value for a key, or the NUL-separated key names for a null key.
// A full buffer is the function's only sign of a cut answer.
std::string ReadProfileText(const std::string& file, const std::string& section, const char* key)
{
    for (DWORD size = 256;; size *= 2) {
        std::string buffer(size, '\0');
        DWORD length = GetPrivateProfileStringA(section.c_str(), key, "", &buffer[0], size, file.c_str());
        if (length + 2 < size || size >= (1u << 30)) return buffer.substr(0, length);
    }
}

}  // namespace

std::string PrivateProfileIni::ReadIni(const std::string& file, const std::string& section,
                                       const std::string& key)
{
    return ReadProfileText(file, section, key.c_str());
}

std::vector<std::string> PrivateProfileIni::ReadIniKeys(const std::string& file, const std::string& section)
{
    std::string names = ReadProfileText(file, section, nullptr);
    std::vector<std::string> keys;
    for (std::string::size_type from = 0; from < names.size();) {
        std::string::size_type end = names.find('\0', from);
        if (end == std::string::npos) end = names.size();
        if (end > from) keys.push_back(names.substr(from, end - from));
        from = end + 1;
    }
    return keys;
}

bool PrivateProfileIni::WriteIni(const std::string& file, const std::string& section, const std::string& key,
                                 const std::string& value)
{
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

void PrivateProfileIni::DeleteIniSection(const std::string& file, const std::string& section)
{
    WritePrivateProfileStringA(section.c_str(), nullptr, "", file.c_str());
}

// The private-profile functions edit the copy, so its bytes are theirs.
bool PrivateProfileIni::EditAtomically(const std::string& file,
                                       const std::function<bool(const std::string& copy)>& edit)
{
    return EditFileAtomically(file, edit);
}

}  // namespace kforge
