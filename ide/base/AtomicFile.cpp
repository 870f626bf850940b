#include "AtomicFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

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
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
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
