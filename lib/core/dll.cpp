// DLL binding: the process-wide list of loaded libraries and the look-ups
// of the generated stubs.
#include "runtime.h"

#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

namespace kln {
namespace {
// The loaded libraries, a plain array grown by realloc: the list needs no
// C++ library code, which keeps every program's static link small.
HMODULE* loaded_libraries = nullptr;
int loaded_count = 0;
int loaded_capacity = 0;

bool release_requested = false;

// Room for one more library; false when the heap fails.
bool reserve_one()
{
    if (loaded_count < loaded_capacity) return true;
    int capacity = loaded_capacity ? loaded_capacity * 2 : 8;
    void* grown = realloc(loaded_libraries, sizeof(HMODULE) * static_cast<std::size_t>(capacity));
    if (!grown) return false;
    loaded_libraries = static_cast<HMODULE*>(grown);
    loaded_capacity = capacity;
    return true;
}
}  // namespace

void loadlib(kln::string name)
{
    HMODULE library = LoadLibraryA(name.chars());
    if (!reserve_one()) {
        FreeLibrary(library);
        __out_of_memory();
    }
    loaded_libraries[loaded_count++] = library;
}

// Only records the request: the start-up object releases every library once,
// after all finalizations, so no finalization can call into a released one.
void unloadlibs() { release_requested = true; }

void __release_libs()
{
    if (!release_requested) return;
    release_requested = false;
    for (int i = 0; i < loaded_count; ++i) FreeLibrary(loaded_libraries[i]);
    free(loaded_libraries);
    loaded_libraries = nullptr;
    loaded_count = loaded_capacity = 0;
}

void* getlibhandle(kln::string name) { return GetModuleHandleA(name.chars()); }

// A null handle gives null: GetProcAddress(NULL, ...) would search the exe.
void* getprocaddr(void* library, kln::string name)
{
    if (!library) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name.chars()));
}
// "library 'user32' not found", "entry point 'Beep' not found in library
// 'kernel32'"; a raw entry name is an ordinal number ("entry point #5").
void __missing_entry(void* library, const string& library_name, const string& entry)
{
    string message;
    if (library) {
        message = "entry point ";
        if (entry.is_raw()) {
            char number[16];
            snprintf(number, sizeof number, "#%u",
                     static_cast<unsigned>(reinterpret_cast<std::size_t>(entry.chars())));
            message += number;
        } else {
            message += "'";
            message += entry;
            message += "'";
        }
        message += " not found in ";
    }
    message += "library '";
    message += library_name;
    message += library ? "'" : "' not found";
    throw message;
}
}  // namespace kln
