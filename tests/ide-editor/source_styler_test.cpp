// The colouring rules of the editor, and its small text rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditText.h"
#include "LanguageRegistry.h"
#include "SourceStyler.h"

namespace kforge {
namespace {

Language BasicLanguage()
{
    Language language;
    language.keywords = "DIM\nAS\nLONG";
    language.keywords2 = "DIM";
    language.attributes = "Preserve";
    language.operators = "<\n<=\n=\n+";
    language.lineComment = "'";
    language.blockStart = "/*";
    language.blockEnd = "*/";
    language.stringDelimiters = "\"";
    language.escapeChar = "\\";
    return language;
}

// One style letter per byte: p plain, n number, k keyword, o operator,
// c comment, s string, a attribute, 2 second list.
std::string Letters(const SourceStyler& styler, const std::string& line, int state, int* endState = nullptr)
{
    std::vector<unsigned char> styles(line.size());
    const int end = styler.StyleLine(line.data(), line.size(), state, styles.data());
    if (endState) { *endState = end; }
    std::string letters;
    for (unsigned char style : styles) {
        switch (style) {
            case kStylePlain:
                letters += 'p';
                break;
            case kStyleNumber:
                letters += 'n';
                break;
            case kStyleKeyword:
                letters += 'k';
                break;
            case kStyleOperator:
                letters += 'o';
                break;
            case kStyleComment:
                letters += 'c';
                break;
            case kStyleString:
                letters += 's';
                break;
            case kStyleAttribute:
                letters += 'a';
                break;
            case kStyleKeyword2:
                letters += '2';
                break;
            default:
                letters += '?';
        }
    }
    return letters;
}

TEST(SourceStyler, StylesEachTokenClass)
{
    const SourceStyler styler(BasicLanguage());
    struct Case {
        std::string line, styles;
    } cases[] = {
        {"dim x as long", "kkkpppkkpkkkk"},  // keywords ignore case; x is plain
        {"x1 <= 2.50", "pppoopnnnn"},        // longest operator first; digits in a word stay plain
        {"&H1f+&Hz", "nnnnoppp"},            // &H needs a hex digit
        {"a ' b \"c", "ppcccccc"},           // a line comment hides a string
        {"\"a\\\"b\" x", "sssssspp"},        // the escape char keeps the quote in the string
        {"\"open", "sssss"},                 // a string ends at the line's end
        {"Preserve ?", "aaaaaaaapp"},        // attribute words; unknown bytes plain
    };
    for (const Case& c : cases) { EXPECT_EQ(Letters(styler, c.line, kInCode), c.styles) << c.line; }
}

TEST(SourceStyler, BlockCommentCarriesOverLines)
{
    const SourceStyler styler(BasicLanguage());
    int state = kInCode;
    EXPECT_EQ(Letters(styler, "x /* a", kInCode, &state), "ppcccc");
    EXPECT_EQ(state, kInBlockComment);
    EXPECT_EQ(Letters(styler, "dim", state, &state), "ccc");
    EXPECT_EQ(Letters(styler, "b */ dim", state, &state), "ccccpkkk");
    EXPECT_EQ(state, kInCode);
}

TEST(SourceStyler, CaseAndSecondListFollowTheLanguage)
{
    Language language = BasicLanguage();
    language.caseSensitive = true;
    language.style = 1;
    language.keywords = "AS";
    const SourceStyler styler(language);
    EXPECT_EQ(Letters(styler, "as AS DIM", kInCode), "pppkkp222");
    EXPECT_EQ(styler.KeywordSpelling("as"), "AS");
    EXPECT_EQ(styler.KeywordSpelling("dimx"), "");
}

TEST(SourceStyler, EmptyLanguageGivesPlainText)
{
    const SourceStyler styler{Language{}};
    EXPECT_EQ(Letters(styler, "dim 'x \"", kInCode), "pppppppp");
}

TEST(EditText, LineEndsBecomeCrLf)
{
    EXPECT_EQ(ToCrLf("a\nb\rc\r\nd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(ToCrLf(std::string("\0\x80", 2)), std::string("\0\x80", 2));
}

TEST(EditText, ArgumentSpanPicksTheSegment)
{
    const std::string tip = " Left(s AS STRING, n AS LONG) AS STRING ";
    const auto second = ArgumentSpan(tip, 1);
    EXPECT_EQ(tip.substr(second.first, second.second - second.first), " n AS LONG");
    const auto first = ArgumentSpan(tip, 0);
    EXPECT_EQ(tip.substr(first.first, first.second - first.first), "s AS STRING");
    EXPECT_EQ(ArgumentSpan(tip, 2), std::make_pair(size_t{0}, size_t{0}));
    const std::string bare = "a, b";  // no parenthesis: the whole text
    const auto b = ArgumentSpan(bare, 1);
    EXPECT_EQ(bare.substr(b.first, b.second - b.first), " b");
}

TEST(LanguageRegistry, LaterRegistrationWinsAndIsAnnounced)
{
    std::vector<std::string> announced;
    const int id = LanguageRegistry::AddListener([&](const std::string& name) { announced.push_back(name); });
    Language first, second;
    first.keywords = "A";
    second.keywords = "B";
    LanguageRegistry::Register("Shared", first);
    LanguageRegistry::Register("Shared", second);
    LanguageRegistry::RemoveListener(id);
    LanguageRegistry::Register("Shared", first);
    EXPECT_EQ(announced, (std::vector<std::string>{"Shared", "Shared"}));
    ASSERT_NE(LanguageRegistry::Find("Shared"), nullptr);
    EXPECT_EQ(LanguageRegistry::Find("Shared")->keywords, "A");
    EXPECT_EQ(LanguageRegistry::Find("shared"), nullptr);
}

}  // namespace
}  // namespace kforge
