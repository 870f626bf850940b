#include "Registry.h"

#include <vector>

namespace kforge {

std::string GetRegValue(HKEY root, const std::string& subKey, const std::string& valueName)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "";
    std::string text;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        // One byte more than the value holds, so what is read always ends
        // in a NUL even when the stored string has none.
        std::vector<char> buffer(size + 1, '\0');
        DWORD read = size;
        if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                             &read) == ERROR_SUCCESS)
            text = buffer.data();
    }
    RegCloseKey(key);
    return text;
}

void SetRegValue(HKEY root, const std::string& subKey, const std::string& valueName, const std::string& text)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    // The count includes the terminating NUL, as REG_SZ data should.
    RegSetValueExA(key, valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

void DeleteRegKey(HKEY root, const std::string& subKey) { RegDeleteKeyA(root, subKey.c_str()); }

std::string EnumRegKeys(HKEY root, const std::string& subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS) return "";
    char name[256] = {};
    DWORD length = sizeof name;
    std::string first;
    if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
        first = name;
    RegCloseKey(key);
    return first;
}

}  // namespace kforge
