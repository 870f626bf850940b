#include "LayoutStore.h"

#include "PropertyBag.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using kforge::FormatProgramVersion;
using kforge::LayoutStore;
using kforge::PropertyBag;
using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

namespace {

const Bytes someLayout = {0, 1, 2, 0xFF, 0, 0x20, 0x11};

// Each test gets a fresh folder for its layout files.
class LayoutFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::path(::testing::TempDir()) / "ide-shell-layout" / test->name();
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Path(const std::string& name = "klay.lay") const { return (folder_ / name).string(); }

    static Bytes ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void WriteFile(const std::string& path, const Bytes& bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // A layout file around the given contents: a byte-array record.
    static Bytes Record(const Bytes& contents)
    {
        auto n = static_cast<std::uint32_t>(contents.size());
        Bytes bytes = {0x11,
                       0x20,
                       1,
                       0,
                       static_cast<std::uint8_t>(n),
                       static_cast<std::uint8_t>(n >> 8),
                       static_cast<std::uint8_t>(n >> 16),
                       static_cast<std::uint8_t>(n >> 24),
                       0,
                       0,
                       0,
                       0};
        bytes.insert(bytes.end(), contents.begin(), contents.end());
        return bytes;
    }
    static Bytes BagBytes(const std::string& version, const Bytes& layout)
    {
        PropertyBag bag;
        bag.Write("Version", version, std::string());
        bag.Write("Layout", layout, Bytes{});
        return bag.ToBytes();
    }
    static LayoutStore Loaded(const std::string& path)
    {
        LayoutStore store;
        store.Load(path);
        return store;
    }

private:
    fs::path folder_;
};

}  // namespace

TEST(LayoutVersion, HasTwoTwoAndFourDigitsAtLeast)
{
    EXPECT_EQ(FormatProgramVersion(1, 0, 139), "01.00.0139");
    EXPECT_EQ(FormatProgramVersion(1, 0, 12345), "01.00.12345");
    EXPECT_EQ(FormatProgramVersion(123, 45, 6), "123.45.0006");
    EXPECT_EQ(FormatProgramVersion(KFORGE_VERSION_MAJOR, KFORGE_VERSION_MINOR, KFORGE_VERSION_REVISION),
              LayoutStore().programVersion);
}

TEST_F(LayoutFile, SaveWritesTheRecordAroundTheBag)
{
    LayoutStore store;
    store.layout = someLayout;
    store.Save(Path());
    EXPECT_EQ(ReadFile(Path()), Record(BagBytes(store.programVersion, someLayout)));
}

TEST_F(LayoutFile, ALayoutRoundTripsByteForByte)
{
    LayoutStore store;
    store.layout = someLayout;
    store.Save(Path());
    LayoutStore loaded = Loaded(Path());
    EXPECT_EQ(loaded.layout, someLayout);
    EXPECT_EQ(loaded.loadedVersion, store.programVersion);
    loaded.Save(Path("again.lay"));
    EXPECT_EQ(ReadFile(Path("again.lay")), ReadFile(Path()));
}

TEST_F(LayoutFile, AnEmptyLayoutStoresOnlyTheVersion)
{
    LayoutStore store;
    store.Save(Path());
    EXPECT_EQ(ReadFile(Path()), Record(BagBytes(store.programVersion, {})));
    LayoutStore loaded = Loaded(Path());
    EXPECT_TRUE(loaded.layout.empty());
    EXPECT_EQ(loaded.loadedVersion, store.programVersion);
}

TEST_F(LayoutFile, SaveReplacesALongerFile)
{
    WriteFile(Path(), Bytes(5000, 0xAA));
    LayoutStore store;
    store.layout = someLayout;
    store.Save(Path());
    EXPECT_EQ(ReadFile(Path()), Record(BagBytes(store.programVersion, someLayout)));
}

TEST_F(LayoutFile, SaveIntoAMissingFolderWritesNothing)
{
    LayoutStore store;
    store.Save((fs::path(Path("missing")) / "klay.lay").string());
    EXPECT_FALSE(fs::exists(Path("missing")));
}

TEST_F(LayoutFile, ALayoutOfAnotherVersionIsIgnored)
{
    LayoutStore store;
    store.programVersion = "01.00.0139";
    for (const std::string other : {"1.00.0139", "01.00.0139 ", "01.00.0140", ""}) {
        WriteFile(Path(), Record(BagBytes(other, someLayout)));
        store.Load(Path());
        EXPECT_TRUE(store.layout.empty()) << other;
        EXPECT_EQ(store.loadedVersion, other);
    }
    WriteFile(Path(), Record(BagBytes("01.00.0139", someLayout)));
    store.Load(Path());
    EXPECT_EQ(store.layout, someLayout);
}

TEST_F(LayoutFile, AFailedLoadLeavesTheLayoutAsItWas)
{
    LayoutStore store;
    store.layout = someLayout;
    store.loadedVersion = "stale";
    store.Load(Path("missing.lay"));
    EXPECT_EQ(store.layout, someLayout);
    EXPECT_EQ(store.loadedVersion, "");
}

TEST_F(LayoutFile, EveryTruncationGivesNoLayout)
{
    LayoutStore store;
    store.layout = someLayout;
    store.Save(Path());
    Bytes whole = ReadFile(Path());
    for (std::size_t length = 0; length < whole.size(); ++length) {
        WriteFile(Path("cut.lay"), Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)));
        LayoutStore loaded = Loaded(Path("cut.lay"));
        EXPECT_TRUE(loaded.layout.empty()) << "cut to " << length;
        EXPECT_EQ(loaded.loadedVersion, "") << "cut to " << length;
    }
}

TEST_F(LayoutFile, CorruptAndForeignFilesGiveNoLayout)
{
    const std::string version = LayoutStore().programVersion;
    const Bytes good = Record(BagBytes(version, someLayout));
    auto changed = [&](std::size_t at, std::uint8_t value) {
        Bytes bytes = good;
        bytes[at] = value;
        return bytes;
    };
    PropertyBag layoutAsText;
    layoutAsText.Write("Version", version, std::string());
    layoutAsText.Write("Layout", std::string("text"), std::string());

    struct Case {
        const char* what;
        Bytes bytes;
    };
    const Case cases[] = {
        {"empty file", {}},
        {"another record type", changed(0, 0x08)},
        {"two dimensions", changed(2, 2)},
        {"lower bound 1", changed(8, 1)},
        {"count beyond the file", changed(7, 0x7F)},
        {"count of 4 GiB - 1", Bytes{0x11, 0x20, 1, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 1, 2}},
        {"inner bag damaged", changed(12, 'X')},
        {"inner garbage", Record(Bytes(64, 0xFF))},
        {"layout of another kind", Record(layoutAsText.ToBytes())},
        {"a text file", Bytes{'[', 'S', 'o', 'l', 'u', 't', 'i', 'o', 'n', ']', '\r', '\n', 'N', 'a'}},
    };
    for (const Case& c : cases) {
        WriteFile(Path(), c.bytes);
        EXPECT_TRUE(Loaded(Path()).layout.empty()) << c.what;
    }
    WriteFile(Path(), good);
    EXPECT_EQ(Loaded(Path()).layout, someLayout) << "the cases above damage a good file";
}

TEST_F(LayoutFile, BytesAfterTheRecordAreNotRead)
{
    const std::string version = LayoutStore().programVersion;
    Bytes bytes = Record(BagBytes(version, someLayout));
    bytes.push_back(0x42);
    WriteFile(Path(), bytes);
    EXPECT_EQ(Loaded(Path()).layout, someLayout);
}
