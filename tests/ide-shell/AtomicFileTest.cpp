#include "AtomicFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using kforge::EditFileAtomically;
using kforge::ReplaceFileWith;
using kforge::WriteFileAtomically;
namespace fs = std::filesystem;

namespace {

// Each test gets a fresh folder; Names() lists what it holds.
class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::path(::testing::TempDir()) / "ide-shell-atomic" / test->name();
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void Write(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path folder_;
};

const std::string oldBytes = std::string("old\r\ntext\0with a NUL\r\n", 23);

}  // namespace

TEST_F(AtomicFile, ASuccessfulWriteLeavesExactlyTheNewBytes)
{
    const std::string newBytes = std::string("new\0\r\n\n", 7) + std::string(100000, 'x');
    for (bool existed : {false, true}) {
        if (existed) Write(Path("a.kln"), oldBytes);
        EXPECT_TRUE(WriteFileAtomically(Path("a.kln"), newBytes)) << existed;
        EXPECT_EQ(Read(Path("a.kln")), newBytes) << existed;
        EXPECT_EQ(Names(), std::vector<std::string>{"a.kln"}) << existed;
    }
}

// A write that fails half-way, and a replace that fails at the end (the
// target is a folder that holds a file): the old content stays and no
// temporary file is left.
TEST_F(AtomicFile, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    Write(Path("a.kln"), oldBytes);
    const bool replaced = ReplaceFileWith(Path("a.kln"), [](const std::string& temporary) {
        std::ofstream(temporary, std::ios::binary) << "half of the new te";
        return false;
    });
    EXPECT_FALSE(replaced);
    EXPECT_EQ(Read(Path("a.kln")), oldBytes);
    EXPECT_EQ(Names(), std::vector<std::string>{"a.kln"});

    fs::create_directories(Path("folder.kln"));
    Write(Path("folder.kln/inside"), oldBytes);
    EXPECT_FALSE(WriteFileAtomically(Path("folder.kln"), "new"));
    EXPECT_EQ(Read(Path("folder.kln/inside")), oldBytes);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.kln", "folder.kln"}));
}

TEST_F(AtomicFile, AnEditWorksOnACopyOfTheOldBytes)
{
    const auto append = [](const std::string& text) {
        return [text](const std::string& copy) {
            std::ofstream(copy, std::ios::binary | std::ios::app) << text;
            return true;
        };
    };
    EXPECT_TRUE(EditFileAtomically(Path("a.ksl"), append("first")));
    EXPECT_EQ(Read(Path("a.ksl")), "first");
    EXPECT_TRUE(EditFileAtomically(Path("a.ksl"), append(oldBytes)));
    EXPECT_EQ(Read(Path("a.ksl")), "first" + oldBytes);
    EXPECT_FALSE(EditFileAtomically(Path("a.ksl"), [](const std::string& copy) {
        std::ofstream(copy, std::ios::binary | std::ios::trunc) << "gone";
        return false;
    }));
    EXPECT_EQ(Read(Path("a.ksl")), "first" + oldBytes);
    EXPECT_EQ(Names(), std::vector<std::string>{"a.ksl"});
}
