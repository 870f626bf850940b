#include "PropertyBag.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using kforge::PropertyBag;
using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes emptyBagBytes = PropertyBag().ToBytes();

// A bag with one value of every kind, negative numbers, NULs and empty texts.
PropertyBag BagOfEveryKind()
{
    PropertyBag bag;
    bag.Write("Caption", std::string("Open\0file", 9), std::string());
    bag.Write("Empty", std::monostate{}, std::string());
    bag.Write("Colour", std::int32_t{-2147483647 - 1}, std::int32_t{0});
    bag.Write("Checked", true, false);
    bag.Write("Picture", Bytes{0, 255, 0, 7}, Bytes{});
    bag.Write("NoText", std::string(), std::string("default"));
    bag.Write("NoBytes", Bytes{}, Bytes{1});
    return bag;
}

Bytes Append(Bytes bytes, const Bytes& more)
{
    bytes.insert(bytes.end(), more.begin(), more.end());
    return bytes;
}

}  // namespace

TEST(PropertyBag, MissingKeysGiveTheDefaultOfEachKind)
{
    PropertyBag bag;
    EXPECT_EQ(bag.Read("Border", std::int32_t{5}), 5);
    EXPECT_EQ(bag.Read("Checked", true), true);
    EXPECT_EQ(bag.Read("Caption", "none"), "none");
    EXPECT_EQ(bag.Read("Picture", Bytes{9}), Bytes{9});
}

TEST(PropertyBag, KeysCompareIgnoringAsciiCaseOnly)
{
    PropertyBag bag;
    bag.Write("Indent", std::int32_t{16}, std::int32_t{5});
    EXPECT_EQ(bag.Read("INDENT", std::int32_t{5}), 16);
    bag.Write("indent", std::int32_t{20}, std::int32_t{5});
    EXPECT_EQ(bag.Read("Indent", std::int32_t{5}), 20);

    PropertyBag single;
    single.Write("Indent", std::int32_t{20}, std::int32_t{5});
    EXPECT_EQ(bag.ToBytes(), single.ToBytes()) << "a second spelling must not add an entry";

    bag.Write("\xC4rger", std::int32_t{1}, std::int32_t{0});  // Latin-1 capital A umlaut
    EXPECT_EQ(bag.Read("\xE4rger", std::int32_t{0}), 0) << "only ASCII letters fold";
}

TEST(PropertyBag, AValueOfAnotherKindReadsAsTheDefault)
{
    PropertyBag bag;
    bag.Write("Border", std::string("1"), std::string());
    EXPECT_EQ(bag.Read("Border", std::int32_t{0}), 0);
    EXPECT_EQ(bag.Read("Border", false), false);
    EXPECT_EQ(bag.Read("Border", ""), "1");
}

TEST(PropertyBag, WritingTheDefaultRemovesTheKey)
{
    PropertyBag bag;
    bag.Write("Border", std::int32_t{1}, std::int32_t{0});
    bag.Write("Border", std::int32_t{0}, std::int32_t{0});
    EXPECT_EQ(bag.Read("Border", std::int32_t{7}), 7);
    EXPECT_EQ(bag.ToBytes(), emptyBagBytes);
}

TEST(PropertyBag, ADefaultOfAnotherKindIsNotEqual)
{
    PropertyBag bag;
    bag.Write("Border", std::int32_t{0}, false);
    EXPECT_EQ(bag.Read("Border", std::int32_t{7}), 0);
}

TEST(PropertyBag, EncodingIsLengthPrefixedInWriteOrder)
{
    PropertyBag bag;
    bag.Write("b", std::int32_t{0x01020304}, std::int32_t{0});
    bag.Write("A", std::string("xy"), std::string());
    const Bytes expected = {'K', 'P', 'B', '1', 2,   0, 0, 0,                   // signature, count
                            1,   0,   0,   0,   'b', 1, 4, 3, 2, 1,             // "b": int32
                            1,   0,   0,   0,   'A', 3, 2, 0, 0, 0, 'x', 'y'};  // "A": text
    EXPECT_EQ(bag.ToBytes(), expected);
}

TEST(PropertyBag, EveryKindRoundTripsByteForByte)
{
    PropertyBag bag = BagOfEveryKind();
    Bytes bytes = bag.ToBytes();
    PropertyBag copy = PropertyBag::FromBytes(bytes);
    EXPECT_EQ(copy.ToBytes(), bytes);
    EXPECT_EQ(copy.Read("caption", ""), std::string("Open\0file", 9));
    EXPECT_EQ(copy.Read("Colour", std::int32_t{0}), -2147483647 - 1);
    EXPECT_EQ(copy.Read("Checked", false), true);
    EXPECT_EQ(copy.Read("Picture", Bytes{}), (Bytes{0, 255, 0, 7}));
    EXPECT_EQ(copy.Read("NoText", "default"), "");
    EXPECT_EQ(copy.Read("NoBytes", Bytes{1}), Bytes{});
    EXPECT_EQ(copy.Read("Empty", "missing"), "missing");
}

TEST(PropertyBag, EveryTruncationGivesAnEmptyBag)
{
    Bytes bytes = BagOfEveryKind().ToBytes();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        Bytes cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_EQ(PropertyBag::FromBytes(cut).ToBytes(), emptyBagBytes) << "cut to " << length;
    }
}

TEST(PropertyBag, InconsistentBytesGiveAnEmptyBag)
{
    const Bytes header = {'K', 'P', 'B', '1'};
    const Bytes oneEntry = {1, 0, 0, 0};
    const Bytes keyK = {1, 0, 0, 0, 'k'};
    PropertyBag baseline =
        PropertyBag::FromBytes(Append(Append(Append(header, oneEntry), keyK), {1, 7, 0, 0, 0}));
    ASSERT_EQ(baseline.Read("k", std::int32_t{0}), 7) << "the cases below break a valid encoding";

    struct Case {
        const char* what;
        Bytes bytes;
    };
    const Case cases[] = {
        {"foreign signature", {'K', 'P', 'B', '2', 0, 0, 0, 0}},
        {"unknown kind", Append(Append(Append(header, oneEntry), keyK), {5})},
        {"bool that is neither 0 nor 1", Append(Append(Append(header, oneEntry), keyK), {2, 2})},
        {"text longer than the bytes left",
         Append(Append(Append(header, oneEntry), keyK), {3, 0xFF, 0xFF, 0xFF, 0xFF, 'x'})},
        {"key longer than the bytes left", Append(Append(header, oneEntry), {0xFF, 0xFF, 0xFF, 0x7F})},
        {"count above the entries", Append(Append(Append(header, {2, 0, 0, 0}), keyK), {0})},
        {"huge count without entries", Append(header, {0xFF, 0xFF, 0xFF, 0xFF})},
        {"trailing byte", Append(Append(Append(Append(header, oneEntry), keyK), {0}), {0})},
        {"keys equal but for case",
         Append(Append(Append(Append(Append(header, {2, 0, 0, 0}), keyK), {0}), {1, 0, 0, 0, 'K'}), {0})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PropertyBag::FromBytes(c.bytes).ToBytes(), emptyBagBytes) << c.what;
    }
}
