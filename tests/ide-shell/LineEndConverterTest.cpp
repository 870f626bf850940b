#include "LineEndConverter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kforge;

namespace {

struct ConversionCase {
    std::vector<std::string> chunks;
    std::string text;  // all chunks converted, joined
};

std::string ConvertAll(const std::vector<std::string>& chunks)
{
    LineEndConverter converter;
    std::string text;
    for (const std::string& chunk : chunks) { text += converter.Convert(chunk.data(), chunk.size()); }
    return text;
}

}  // namespace

TEST(LineEndConverter, LoneLineFeedsBecomeCrLfAcrossChunksAndNulsAreDropped)
{
    const ConversionCase cases[] = {
        {{"a\nb\n"}, "a\r\nb\r\n"},
        {{"a\r\nb\r\n"}, "a\r\nb\r\n"},
        {{"\n\n"}, "\r\n\r\n"},
        {{"a\r"}, "a\r"},
        {{"a\r", "\nb"}, "a\r\nb"},    // the CR that ended a chunk pairs with the next LF
        {{"a", "\nb"}, "a\r\nb"},      // an LF that starts a chunk after plain text
        {{"a\r", "x\n"}, "a\rx\r\n"},  // a lone CR stays; the later LF gets its own CR
        {{"\r\r\n"}, "\r\r\n"},
        {{"", "\n", ""}, "\r\n"},
        {{std::string("a\0\nb\0", 5)}, "a\r\nb"},  // NUL characters are dropped
        {{"a\r", std::string("\0\n", 2)}, "a\r\n"},
    };
    for (const ConversionCase& c : cases) {
        EXPECT_EQ(ConvertAll(c.chunks), c.text) << ::testing::PrintToString(c.chunks);
    }
}
