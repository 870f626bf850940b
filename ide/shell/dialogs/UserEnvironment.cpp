#include "UserEnvironment.h"

#include <windows.h>

#include "Registry.h"
#include "Texts.h"

namespace kforge {

namespace {

constexpr const char* kEnvironmentKey = "Environment";

// REG_EXPAND_SZ when the value is stored so now, else REG_SZ.
DWORD KeptStringType(HKEY key, const std::string& name)
{
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) {
        return REG_SZ;
    }
    return type == REG_EXPAND_SZ ? REG_EXPAND_SZ : REG_SZ;
}

}  // namespace

std::string GetUserEnvVar(const std::string& name)
{
    return GetRegValue(HKEY_CURRENT_USER, kEnvironmentKey, name);
}

void SetUserEnvVar(const std::string& name, const std::string& value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kEnvironmentKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::string text = Trim(value);
    RegSetValueExA(key, name.c_str(), 0, KeptStringType(key, name),
                   reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

void BroadcastEnvChange()
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(kEnvironmentKey),
                        SMTO_ABORTIFHUNG, 100, &result);
}

}  // namespace kforge
