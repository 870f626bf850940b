// The generated C++ file: pieces written to the output file itself and
// pieces written through a std::ostream& to it land in one text, in order;
// a caller that swaps in its own buffer gets every piece written meanwhile;
// the file is written at close and left as it was when nothing is closed.
// A text_stream gathers its text the same way; number_of reads what strtod reads.
#include "util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

using namespace kiln;

std::string file_text(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class OutputFile : public ::testing::Test {
protected:
    std::string path = ::testing::TempDir() + "output_file_test.cpp";
    void TearDown() override { std::remove(path.c_str()); }
};

TEST_F(OutputFile, DirectAndStreamPiecesKeepTheirOrder)
{
    output_file out;
    out.open(path);
    ASSERT_TRUE(out);
    std::ostream& stream = out;
    std::string expected;
    for (int i = 0; i < 30000; ++i) {  // several times the first block
        out << "int x" << i << " = " << std::string("y") << ';' << '\n';
        stream << "double d" << i << " = " << 2.5 << ";\n";
        expected += "int x" + std::to_string(i) + " = y;\ndouble d" + std::to_string(i) + " = 2.5;\n";
    }
    out << -2147483647 - 1 << ' ' << 0 << ' ' << size_t(7) << ' ' << true;
    expected += "-2147483648 0 7 1";
    out.close();
    ASSERT_TRUE(out);
    EXPECT_EQ(file_text(path), expected);
}

TEST_F(OutputFile, ASwappedInBufferGetsThePiecesWrittenMeanwhile)
{
    output_file out;
    out.open(path);
    out << "before ";
    std::ostringstream captured;
    std::streambuf* own = out.rdbuf(captured.rdbuf());
    out << "inside " << 42 << '!';
    out.rdbuf(own);
    out << "after";
    out.close();
    EXPECT_EQ(captured.str(), "inside 42!");
    EXPECT_EQ(file_text(path), "before after");
}

TEST_F(OutputFile, ReservedRoomAndAnUnclosedTextLeaveTheFileAlone)
{
    {
        std::ofstream existing(path, std::ios::binary);
        existing << "hand-written";
    }
    {
        output_file out;
        out.reserve(1 << 20);
        out.open(path);
        out << std::string(100000, 'x');
    }
    EXPECT_EQ(file_text(path), "hand-written");
}

TEST(TextStream, GathersDirectAndStreamPiecesPastItsFirstBlock)
{
    text_stream text(16);
    std::ostream& stream = text;
    std::string expected;
    for (int i = 0; i < 100; ++i) {
        text << "x" << i << std::string(" = ") << ';';
        stream << 1.5 << ' ';
        expected += "x" + std::to_string(i) + " = ;1.5 ";
    }
    EXPECT_EQ(text.str(), expected);
}

// The value strtod reads, whole numbers included (they take a shorter road).
TEST(NumberOf, ReadsTheValueThatStrtodReads)
{
    const char* const texts[] = {"0", "-0", "7", "-7", "007", "123456789012345", "-999999999999999",
                                 "1234567890123456", "99999999999999999999", "3.5", "-0.25", "1e3",
                                 "", "-", "+5", " 5", "12abc", "0x1A", "4294967295"};
    for (const char* text : texts) {
        double expected = std::strtod(text, nullptr), got = number_of(text);
        EXPECT_EQ(got, expected) << text;
        EXPECT_EQ(std::signbit(got), std::signbit(expected)) << text;
    }
}

}  // namespace
