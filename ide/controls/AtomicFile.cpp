#include "AtomicFile.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kforge {

namespace {

bool Exists(const std::string& path) { return std::ifstream(path, std::ios::binary).is_open(); }

// A name beside path that no file has yet: path & "." & a random number & ".tmp".
std::string TemporaryNameFor(const std::string& path)
{
    static std::mt19937 numbers{std::random_device{}()};
    for (;;) {
        std::string name = path + "." + std::to_string(numbers() % 1000000) + ".tmp";
        if (!Exists(name)) return name;
    }
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

// Puts from in place of to, replacing a file of that name.
bool RenameOver(const std::string& from, const std::string& to)
{
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace

bool ReplaceFileWith(const std::string& path, const std::function<bool(const std::string& temporary)>& write)
{
    const std::string temporary = TemporaryNameFor(path);
    if (!WriteBytes(temporary, std::string())) {
        std::remove(temporary.c_str());
        return false;
    }
    if (write(temporary) && RenameOver(temporary, path)) return true;
    std::remove(temporary.c_str());
    return false;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    return ReplaceFileWith(path, [&](const std::string& temporary) { return WriteBytes(temporary, bytes); });
}

bool EditFileAtomically(const std::string& path, const std::function<bool(const std::string& copy)>& edit)
{
    return ReplaceFileWith(path, [&](const std::string& copy) {
        std::ifstream in(path, std::ios::binary);
        if (in.is_open()) {
            std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            if (in.bad() || !WriteBytes(copy, bytes)) return false;
        }
        return edit(copy);
    });
}

}  // namespace kforge
