#include "ButtonPicture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kforge {
namespace {

constexpr std::uint32_t kBk = 0xD1D8DB;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kT = ButtonPicture::kTransparent;

// A grid from rows of letters: '.' bk, 'w' white, 'r' red, 'g' grey.
std::vector<std::uint32_t> Grid(const std::vector<std::string>& rows)
{
    std::vector<std::uint32_t> grid;
    for (const std::string& row : rows) {
        for (char c : row) {
            grid.push_back(c == 'w' ? kWhite : c == 'r' ? kRed : c == 'g' ? kDisabledGrey : kBk);
        }
    }
    return grid;
}

struct EmbossCase {
    const char* what;
    std::vector<std::string> before;
    std::vector<std::string> after;
};

class EmbossDisabledTest : public testing::TestWithParam<EmbossCase> {};

TEST_P(EmbossDisabledTest, GreysTheShapeWithAWhiteShadow)
{
    const EmbossCase& c = GetParam();
    const int width = static_cast<int>(c.before[0].size());
    const int height = static_cast<int>(c.before.size());
    std::vector<std::uint32_t> pixels = Grid(c.before);
    EmbossDisabled(pixels, width, height, kBk);
    EXPECT_EQ(pixels, Grid(c.after)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, EmbossDisabledTest,
                         testing::Values(EmbossCase{"a colour turns grey, its lower-right neighbour white",
                                                    {"....", ".r..", "....", "...."},
                                                    {"....", ".g..", "..w.", "...."}},
                                         EmbossCase{"white becomes the background; the background stays",
                                                    {"w...", "..w.", "....", "...."},
                                                    {"....", "....", "....", "...."}},
                                         EmbossCase{"a filled block casts its shadow outside itself only",
                                                    {"rr..", "rr..", "....", "...."},
                                                    {"gg..", "ggw.", ".ww.", "...."}},
                                         EmbossCase{
                                             "a shadow over white comes from the marks, not the colours",
                                             {"r...", ".w..", "....", "...."},
                                             {"g...", ".w..", "....", "...."}},
                                         EmbossCase{"no shadow falls outside the picture",
                                                    {"...r", "....", "....", "rrrr"},
                                                    {"...g", "....", "....", "gggg"}},
                                         EmbossCase{"a picture with neither bk nor white turns wholly grey",
                                                    {"rrr", "rrr", "rrr"},
                                                    {"ggg", "ggg", "ggg"}}));

TEST(EmbossDisabled, LeavesAGridOfTheWrongSizeAlone)
{
    std::vector<std::uint32_t> pixels = Grid({"rr", "rr"});
    const std::vector<std::uint32_t> before = pixels;
    EmbossDisabled(pixels, 3, 2, kBk);
    EXPECT_EQ(pixels, before);
}

TEST(ButtonPicture, ComposesOnTheBackgroundCutAtTheGridsEdges)
{
    const ButtonPicture picture(3, 2, {kRed, kT, kWhite, kT, kRed, kT});
    const std::uint32_t b = 0x123456;
    EXPECT_EQ(picture.ComposedOn(b, 4, 3),
              (std::vector<std::uint32_t>{kRed, b, kWhite, b, b, kRed, b, b, b, b, b, b}));
    EXPECT_EQ(picture.ComposedOn(b, 2, 1), (std::vector<std::uint32_t>{kRed, b}));
    EXPECT_EQ(ButtonPicture().ComposedOn(b, 2, 1), (std::vector<std::uint32_t>{b, b}));
}

TEST(ButtonPicture, BytesGiveThePictureBack)
{
    const ButtonPicture folder = ButtonPicture::OpenFolder();
    ASSERT_FALSE(folder.Empty());
    EXPECT_EQ(ButtonPicture::FromBytes(folder.ToBytes()), folder);
    EXPECT_TRUE(ButtonPicture().ToBytes().empty());
    EXPECT_TRUE(ButtonPicture::FromBytes({}).Empty());
}

TEST(ButtonPicture, DefaultPictureIsSixteenSquareWithTransparentPixels)
{
    const ButtonPicture folder = ButtonPicture::OpenFolder();
    EXPECT_EQ(folder.Width(), 16);
    EXPECT_EQ(folder.Height(), 16);
    EXPECT_EQ(folder.At(0, 0), kT);
}

TEST(ButtonPicture, BadBytesGiveNoPicture)
{
    std::vector<std::uint8_t> good = ButtonPicture(2, 1, {kRed, kT}).ToBytes();
    std::vector<std::vector<std::uint8_t>> bad;
    bad.push_back({good.begin(), good.end() - 1});  // truncated
    bad.push_back(good);
    bad.back().push_back(0);  // trailing byte
    bad.push_back(good);
    bad.back()[7] = 0x12;               // a pixel whose top byte is neither 0 nor transparent
    bad.push_back({0, 0, 0, 0});        // no pixels
    bad.push_back({0x01, 0x04, 1, 0});  // wider than a picture may be
    for (const auto& bytes : bad) EXPECT_TRUE(ButtonPicture::FromBytes(bytes).Empty());
}

TEST(ButtonPicture, SizesThatDoNotMatchThePixelsGiveNoPicture)
{
    EXPECT_TRUE(ButtonPicture(2, 2, {kRed}).Empty());
    EXPECT_TRUE(ButtonPicture(0, 0, {}).Empty());
    EXPECT_TRUE(ButtonPicture(-1, -1, {kRed}).Empty());
}

}  // namespace
}  // namespace kforge
