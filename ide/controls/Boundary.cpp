#include "Boundary.h"

#include <windows.h>

#include <exception>
#include <string>

namespace kforge {

void ReportCaughtException() noexcept
{
    try {
        throw;
    } catch (const std::exception& error) {
        OutputDebugStringA(
            ("kforge: exception stopped at a Win32 boundary: " + std::string(error.what()) + "\n").c_str());
    } catch (...) {
        OutputDebugStringA("kforge: exception stopped at a Win32 boundary\n");
    }
}

}  // namespace kforge
