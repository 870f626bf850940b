#pragma once
// The IDE's settings in the registry: string values only, every failure
// silent (a read gives the empty text, a write leaves the value unchanged).

#include <windows.h>

#include <string>

namespace kforge {

// The text of a REG_SZ or REG_EXPAND_SZ value (not expanded), cut at its
// first NUL; empty when the key or value is missing or of another type.
std::string GetRegValue(HKEY root, const std::string& subKey, const std::string& valueName);
// Stores text as a REG_SZ value, creating the key path as needed.
void SetRegValue(HKEY root, const std::string& subKey, const std::string& valueName, const std::string& text);
void DeleteRegKey(HKEY root, const std::string& subKey);
// The name of the key's first subkey; empty when it is missing or has none.
std::string EnumRegKeys(HKEY root, const std::string& subKey);

}  // namespace kforge
