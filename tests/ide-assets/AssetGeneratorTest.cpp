// The picture generator of kforge's resources: the text formats it reads
// and the .bmp and .ico files it writes, field by field.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "AssetList.h"
#include "BmpFile.h"
#include "IcoFile.h"
#include "PictureBook.h"

namespace kforge {
namespace {

unsigned U16(const Bytes& bytes, size_t at) { return bytes.at(at) | bytes.at(at + 1) << 8; }
std::uint32_t U32(const Bytes& bytes, size_t at) { return U16(bytes, at) | U16(bytes, at + 2) << 16; }
int S32(const Bytes& bytes, size_t at) { return static_cast<int>(U32(bytes, at)); }

const Pixel kRed{255, 0, 0, false};
const Pixel kBlue{0, 0, 255, false};
const Pixel kClear{0, 0, 0, true};
const Pixel kMagenta{255, 0, 255, false};

// Two rows: red, clear, blue over blue, blue, red.
Raster SmallPicture()
{
    Raster raster(3, 2);
    raster.At(0, 0) = kRed;
    raster.At(1, 0) = kClear;
    raster.At(2, 0) = kBlue;
    raster.At(0, 1) = kBlue;
    raster.At(1, 1) = kBlue;
    raster.At(2, 1) = kRed;
    return raster;
}

TEST(BmpFile, TrueColourHeadersRowsAndMaskColour)
{
    Bytes bmp = BmpFile::Encode(SmallPicture(), 24, kMagenta);
    const size_t stride = 12;  // 9 bytes of pixels padded to whole words
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(U32(bmp, 2), bmp.size());
    EXPECT_EQ(U32(bmp, 10), 54u);
    EXPECT_EQ(U32(bmp, 14), 40u);
    EXPECT_EQ(S32(bmp, 18), 3);
    EXPECT_EQ(S32(bmp, 22), 2);  // positive: bottom-up
    EXPECT_EQ(U16(bmp, 26), 1u);
    EXPECT_EQ(U16(bmp, 28), 24u);
    EXPECT_EQ(U32(bmp, 30), 0u);
    EXPECT_EQ(U32(bmp, 34), 2 * stride);
    EXPECT_EQ(U32(bmp, 46), 0u);  // no palette
    ASSERT_EQ(bmp.size(), 54 + 2 * stride);
    // The first stored row is the bottom one: blue, blue, red, as B G R.
    const Bytes bottom(bmp.begin() + 54, bmp.begin() + 54 + 9);
    EXPECT_EQ(bottom, (Bytes{255, 0, 0, 255, 0, 0, 0, 0, 255}));
    // The top row's transparent pixel takes the mask colour.
    const size_t top = 54 + stride;
    EXPECT_EQ(Bytes(bmp.begin() + top + 3, bmp.begin() + top + 6), (Bytes{255, 0, 255}));
}

TEST(BmpFile, PaletteStartsWithTheTopLeftColourAndPacksNibbles)
{
    Bytes bmp = BmpFile::Encode(SmallPicture(), 4, kMagenta);
    const std::uint32_t colours = 3;  // red, magenta, blue in order of first use
    EXPECT_EQ(U16(bmp, 28), 4u);
    EXPECT_EQ(U32(bmp, 46), colours);
    EXPECT_EQ(U32(bmp, 10), 54 + 4 * colours);
    EXPECT_EQ(Bytes(bmp.begin() + 54, bmp.begin() + 58), (Bytes{0, 0, 255, 0}));  // red, as B G R 0
    EXPECT_EQ(Bytes(bmp.begin() + 58, bmp.begin() + 62), (Bytes{255, 0, 255, 0}));
    const size_t pixels = U32(bmp, 10);
    ASSERT_EQ(bmp.size(), pixels + 2 * 4);
    // Bottom row blue, blue, red = 2, 2, 0: high nibble first.
    EXPECT_EQ(bmp[pixels], 0x22);
    EXPECT_EQ(bmp[pixels + 1], 0x00);
    // Top row red, magenta, blue = 0, 1, 2.
    EXPECT_EQ(bmp[pixels + 4], 0x01);
    EXPECT_EQ(bmp[pixels + 5], 0x20);
}

TEST(BmpFile, DepthMustHoldTheColours)
{
    Raster many(20, 1);
    for (int x = 0; x < 20; ++x) { many.At(x, 0) = Pixel{static_cast<std::uint8_t>(x * 10), 0, 0, false}; }
    EXPECT_THROW(BmpFile::Encode(many, 4, kMagenta), std::invalid_argument);
    Bytes eightBit = BmpFile::Encode(many, 8, kMagenta);
    EXPECT_EQ(U32(eightBit, 46), 20u);
    EXPECT_EQ(U32(eightBit, 34), 20u);  // one byte a pixel, 20 is whole words
    for (int depth : {1, 16, 32}) {
        EXPECT_THROW(BmpFile::Encode(many, depth, kMagenta), std::invalid_argument) << depth;
    }
}

TEST(IcoFile, DirectoryImagesAndMasks)
{
    Raster small = SmallPicture();
    Raster large = Scaled(small, 2);
    Bytes ico = IcoFile::Encode({small, large});
    EXPECT_EQ(U16(ico, 0), 0u);
    EXPECT_EQ(U16(ico, 2), 1u);
    EXPECT_EQ(U16(ico, 4), 2u);
    // Entries: width, height, sizes and offsets that tile the file.
    std::uint32_t expectedOffset = 6 + 2 * 16;
    const Raster* images[] = {&small, &large};
    for (int i = 0; i < 2; ++i) {
        size_t entry = 6 + 16 * i;
        EXPECT_EQ(ico[entry], images[i]->width);
        EXPECT_EQ(ico[entry + 1], images[i]->height);
        EXPECT_EQ(U16(ico, entry + 6), 32u);
        EXPECT_EQ(U32(ico, entry + 12), expectedOffset);
        std::uint32_t image = U32(ico, entry + 12);
        EXPECT_EQ(S32(ico, image + 4), images[i]->width);
        EXPECT_EQ(S32(ico, image + 8), images[i]->height * 2);
        EXPECT_EQ(U16(ico, image + 14), 32u);
        expectedOffset += U32(ico, entry + 8);
    }
    EXPECT_EQ(expectedOffset, ico.size());
    // The small image: colour rows bottom-up as B G R A, then the mask.
    size_t colour = U32(ico, 6 + 12) + 40;
    EXPECT_EQ(Bytes(ico.begin() + colour, ico.begin() + colour + 4),
              (Bytes{255, 0, 0, 255}));  // blue, opaque
    size_t topRow = colour + 3 * 4;
    EXPECT_EQ(ico[topRow + 4 + 3], 0) << "a transparent pixel has alpha 0";
    size_t mask = colour + 2 * 3 * 4;
    EXPECT_EQ(ico[mask], 0x00) << "the bottom row is opaque";
    EXPECT_EQ(ico[mask + 4], 0x40) << "the top row's second pixel is clear";
}

TEST(IcoFile, RejectsNoImageAndOversizedImages)
{
    EXPECT_THROW(IcoFile::Encode({}), std::invalid_argument);
    EXPECT_THROW(IcoFile::Encode({Raster(257, 16)}), std::invalid_argument);
}

TEST(Raster, ScaledRepeatsEachPixel)
{
    Raster big = Scaled(SmallPicture(), 2);
    ASSERT_EQ(big.width, 6);
    ASSERT_EQ(big.height, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(big.At(x, y), SmallPicture().At(x / 2, y / 2)) << x << "," << y;
        }
    }
    EXPECT_THROW(Scaled(SmallPicture(), 0), std::invalid_argument);
}

const char* const kBook =
    "# two pictures\n"
    "colour . none\n"
    "colour r FF0000\n"
    "colour b 0000ff\n"
    "\n"
    "picture dot\n"
    "r.\n"
    ".b\n"
    "\n"
    "picture bar\n"
    "rr\r\n"
    "bb\r\n";

TEST(PictureBook, ReadsColoursAndPictures)
{
    PictureBook book = PictureBook::Parse(kBook);
    ASSERT_TRUE(book.Has("dot"));
    ASSERT_TRUE(book.Has("bar"));
    EXPECT_FALSE(book.Has("none"));
    const Raster& dot = book.Picture("dot");
    EXPECT_EQ(dot.width, 2);
    EXPECT_EQ(dot.height, 2);
    EXPECT_EQ(dot.At(0, 0), kRed);
    EXPECT_TRUE(dot.At(1, 0).transparent);
    EXPECT_EQ(dot.At(1, 1), kBlue);
    EXPECT_EQ(book.Picture("bar").At(1, 1), kBlue);
}

struct FaultCase {
    const char* name;
    const char* text;
    const char* message;  // part of the error's text, with its line
};

// Names the case in the test's name.
void PrintTo(const FaultCase& fault, std::ostream* out) { *out << fault.name; }

class BookFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(BookFaults, NameTheLine)
{
    try {
        PictureBook::Parse(GetParam().text);
        FAIL() << "accepted: " << GetParam().text;
    } catch (const SourceError& fault) {
        EXPECT_NE(std::string(fault.what()).find(GetParam().message), std::string::npos) << fault.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Generator, BookFaults,
    testing::Values(
        FaultCase{"unequal-rows", "colour r FF0000\npicture p\nrr\nr\n", "line 4: rows of one picture"},
        FaultCase{"unknown-colour", "colour r FF0000\npicture p\nrx\n", "line 3: no colour 'x'"},
        FaultCase{"colour-again", "colour r FF0000\ncolour r 00FF00\n", "line 2: colour 'r' again"},
        FaultCase{"short-hex", "colour r FF00\n", "line 1: a colour is RRGGBB"},
        FaultCase{"long-colour-name", "colour rr FF0000\n", "line 1: a colour's name is one character"},
        FaultCase{"picture-again", "colour r FF0000\npicture p\nr\n\npicture p\nr\n",
                  "line 5: picture 'p' again"},
        FaultCase{"no-rows", "picture p\n", "line 2: a picture needs at least one row"},
        FaultCase{"unknown-word", "draw p\n", "line 1: expected"}));

class ListFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(ListFaults, NameTheLine)
{
    PictureBook book = PictureBook::Parse(kBook);
    try {
        AssetList list = AssetList::Parse(GetParam().text);
        for (const AssetEntry& entry : list.Entries()) { AssetList::Build(entry, book); }
        FAIL() << "accepted: " << GetParam().text;
    } catch (const SourceError& fault) {
        EXPECT_NE(std::string(fault.what()).find(GetParam().message), std::string::npos) << fault.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Generator, ListFaults,
    testing::Values(
        FaultCase{"too-few-words", "a.bmp bmp 24 1 FF00FF\n", "line 1: expected: file kind"},
        FaultCase{"unknown-kind", "# a comment\na.png png 24 1 FF00FF dot\n",
                  "line 2: the kind is bmp or ico"},
        FaultCase{"bitmap-two-scales", "a.bmp bmp 24 1,2 FF00FF dot\n", "a bitmap has one scale"},
        FaultCase{"bitmap-no-background", "a.bmp bmp 24 1 none dot\n",
                  "a bitmap has one scale and a background"},
        FaultCase{"icon-depth", "a.ico ico 24 1 none dot\n", "an icon has depth 32"},
        FaultCase{"empty-scale", "a.ico ico 32 1,,2 none dot\n", "scales are whole numbers"},
        FaultCase{"zero-scale", "a.bmp bmp 24 0 FF00FF dot\n", "scales are whole numbers"},
        FaultCase{"missing-picture", "a.bmp bmp 24 1 FF00FF dot missing\n", "line 1: no picture 'missing'"},
        FaultCase{"all-blank", "a.bmp bmp 24 1 FF00FF - -\n", "the pictures are all blank"},
        FaultCase{"bad-depth", "a.bmp bmp 12 1 FF00FF dot\n", "a.bmp: a .bmp has 4, 8 or 24 bits"}));

TEST(AssetList, StripsPlaceBlanksAndPictures)
{
    PictureBook book = PictureBook::Parse(kBook);
    AssetList list = AssetList::Parse("strip.bmp bmp 24 1 FF00FF dot - bar  # three images\n");
    ASSERT_EQ(list.Entries().size(), 1u);
    const AssetEntry& entry = list.Entries()[0];
    EXPECT_EQ(entry.file, "strip.bmp");
    Bytes bmp = AssetList::Build(entry, book);
    EXPECT_EQ(S32(bmp, 18), 6);
    EXPECT_EQ(S32(bmp, 22), 2);
    // The blank middle image is mask colour on both rows.
    const size_t stride = RowStride(6, 24);
    for (size_t row : {size_t{54}, 54 + stride}) {
        for (int x = 2; x < 4; ++x) {
            EXPECT_EQ(Bytes(bmp.begin() + row + 3 * x, bmp.begin() + row + 3 * x + 3), (Bytes{255, 0, 255}));
        }
    }
}

TEST(AssetList, IconsHoldOneImagePerScale)
{
    PictureBook book = PictureBook::Parse(kBook);
    AssetList list = AssetList::Parse("dot.ico ico 32 1,2,4 none dot\n");
    Bytes ico = AssetList::Build(list.Entries()[0], book);
    ASSERT_EQ(U16(ico, 4), 3u);
    for (int i = 0; i < 3; ++i) { EXPECT_EQ(ico[6 + 16 * i], 2 << i) << "image " << i; }
}

}  // namespace
}  // namespace kforge
