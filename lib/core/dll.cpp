// DLL binding: the process-wide list of loaded libraries and the look-ups
// of the generated stubs.
#include "runtime.h"

#include <vector>
#include <windows.h>

namespace kln
{
namespace
{
std::vector<void*>& loaded_libraries()
{
    static std::vector<void*> libraries;
    return libraries;
}

bool release_requested = false;
}

void loadlib(kln::string name)
{
    HMODULE library = LoadLibraryA(name.chars());
    try {
        loaded_libraries().push_back(library);
    } catch (const std::bad_alloc&) {
        FreeLibrary(library);
        __out_of_memory();
    }
}

// Only records the request: the start-up object releases every library once,
// after all finalizations, so no finalization can call into a released one.
void unloadlibs()
{
    release_requested = true;
}

void __release_libs()
{
    if (!release_requested) return;
    release_requested = false;
    std::vector<void*>& libraries = loaded_libraries();
    for (void* library : libraries) FreeLibrary(static_cast<HMODULE>(library));
    libraries.clear();
}

void* getlibhandle(kln::string name)
{
    return GetModuleHandleA(name.chars());
}

// A null handle gives null: GetProcAddress(NULL, ...) would search the exe.
void* getprocaddr(void* library, kln::string name)
{
    if (!library) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name.chars()));
}
}
