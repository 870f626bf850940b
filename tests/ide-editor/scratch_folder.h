// A fresh folder under the system's temporary folder for one test's files,
// removed with everything in it when the test ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace kforge {

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ide-editor-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
        root_ = pattern;
    }
    ~ScratchFolder() { std::filesystem::remove_all(root_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Root() const { return root_; }
    std::string Path(const std::string& name) const { return root_ + "/" + name; }

    // Writes the bytes unchanged and returns the file's path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = Path(name);
        std::ofstream file(path, std::ios::binary);
        file << bytes;
        if (!file.flush()) throw std::runtime_error("cannot write " + path);
        return path;
    }

private:
    std::string root_;
};

}  // namespace kforge
