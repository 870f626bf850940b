#include "AppPath.h"

#include "Paths.h"

#include <windows.h>

#include <vector>

namespace kforge {

std::string AppPath()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return "";
        if (length < buffer.size()) return GetPath(std::string(buffer.data(), length));
        buffer.resize(buffer.size() * 2);  // cut: try a larger buffer
    }
}

}  // namespace kforge
