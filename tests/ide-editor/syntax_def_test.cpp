// The syntax-definition reader: sections, key and value rules, word lists,
// conversions, line ends and the files it cannot read.

#include "SyntaxDef.h"
#include "Texts.h"

#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kforge {
namespace {

class LoadSyntaxTest : public ::testing::Test {
protected:
    SyntaxDef Load(const std::string& bytes) { return LoadSyntax(folder_.Write("test.syn", bytes)); }

    ScratchFolder folder_;
};

// Every field of a record that LoadSyntax gives for a file it cannot read.
void ExpectAllEmpty(const SyntaxDef& def)
{
    for (const std::string* text :
         {&def.sourcePath, &def.name, &def.filter, &def.escapechar, &def.argumentfile, &def.functionstring,
          &def.singlelinecomment, &def.singlelinecommentalt, &def.multilinecommentstart,
          &def.multilinecommentstartalt, &def.multilinecommentend, &def.multilinecommentendalt,
          &def.syntaxstart, &def.syntaxend, &def.stringdelimeters, &def.keywords, &def.attributes,
          &def.operators, &def.terminatorchar}) {
        EXPECT_EQ(*text, "");
    }
    EXPECT_FALSE(def.casesensitive);
    EXPECT_FALSE(def.autocase);
    EXPECT_FALSE(def.autoindent);
    EXPECT_EQ(def.indentsize, 0);
    EXPECT_EQ(def.langstyle, 0);
    for (uint32_t color : {def.numbercolor, def.operatorcolor, def.keywordcolor, def.attribcolor,
                           def.textcolor, def.commentcolor, def.stringcolor}) {
        EXPECT_EQ(color, 0u);
    }
}

TEST_F(LoadSyntaxTest, EveryKeyFillsItsField)
{
    struct TextKey {
        const char* section;
        const char* key;
        std::string SyntaxDef::*field;
    };
    const TextKey keys[] = {
        {"main", "name", &SyntaxDef::name},
        {"main", "filter", &SyntaxDef::filter},
        {"options", "functionstring", &SyntaxDef::functionstring},
        {"options", "argumentfile", &SyntaxDef::argumentfile},
        {"options", "singlelinecomment", &SyntaxDef::singlelinecomment},
        {"options", "singlelinecommentalt", &SyntaxDef::singlelinecommentalt},
        {"options", "multilinecommentstart", &SyntaxDef::multilinecommentstart},
        {"options", "multilinecommentstartalt", &SyntaxDef::multilinecommentstartalt},
        {"options", "multilinecommentend", &SyntaxDef::multilinecommentend},
        {"options", "multilinecommentendalt", &SyntaxDef::multilinecommentendalt},
        {"options", "escapechar", &SyntaxDef::escapechar},
        {"options", "syntaxstart", &SyntaxDef::syntaxstart},
        {"options", "syntaxend", &SyntaxDef::syntaxend},
        {"options", "stringdelimeters", &SyntaxDef::stringdelimeters},
        {"options", "terminatorchar", &SyntaxDef::terminatorchar},
    };
    for (const TextKey& entry : keys) {
        SCOPED_TRACE(entry.key);
        const SyntaxDef def = Load(std::string("[") + entry.section + "]\r\n" + entry.key + "=v 1\r\n");
        EXPECT_EQ(def.*(entry.field), "v 1");
    }

    struct ColorKey {
        const char* key;
        uint32_t SyntaxDef::*field;
    };
    const ColorKey colors[] = {
        {"numbercolor", &SyntaxDef::numbercolor},   {"operatorcolor", &SyntaxDef::operatorcolor},
        {"keywordcolor", &SyntaxDef::keywordcolor}, {"attribcolor", &SyntaxDef::attribcolor},
        {"textcolor", &SyntaxDef::textcolor},       {"commentcolor", &SyntaxDef::commentcolor},
        {"stringcolor", &SyntaxDef::stringcolor},
    };
    for (const ColorKey& entry : colors) {
        SCOPED_TRACE(entry.key);
        const SyntaxDef def = Load(std::string("[colors]\r\n") + entry.key + "=&H0000FF\r\n");
        EXPECT_EQ(def.*(entry.field), 0x000000FFu);
    }

    const SyntaxDef def = Load(
        "[options]\r\ncasesensitive=1\r\nautocase=true\r\nautoindent=TRUE\r\nindentsize=3\r\n"
        "langstyle=sgml\r\n");
    EXPECT_TRUE(def.casesensitive);
    EXPECT_TRUE(def.autocase);
    EXPECT_TRUE(def.autoindent);
    EXPECT_EQ(def.indentsize, 3);
    EXPECT_EQ(def.langstyle, 1);
}

TEST_F(LoadSyntaxTest, KeyBelongsToItsOwnSectionOnly)
{
    const SyntaxDef def = Load(
        "[options]\r\nname=Wrong\r\nnumbercolor=5\r\n[main]\r\nargumentfile=x.arg\r\n"
        "[colors]\r\nautocase=True\r\n");
    EXPECT_EQ(def.name, "");
    EXPECT_EQ(def.numbercolor, 0u);
    EXPECT_EQ(def.argumentfile, "");
    EXPECT_FALSE(def.autocase);
}

TEST_F(LoadSyntaxTest, SectionHeaders)
{
    struct Case {
        const char* header;
        bool opensMain;
    };
    const Case cases[] = {
        {"[main]", true},    {"[MAIN]", true},   {"[Main]", true},   {"[ main ]", false},
        {"[main] ", false},  {" [main]", false}, {"[mainx]", false}, {"[]", false},
        {"[\tmain]", false}, {"main]", false},   {"[main", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        const SyntaxDef def = Load(std::string("[colors]\r\n") + c.header + "\r\nname=Kiln\r\n");
        EXPECT_EQ(def.name, c.opensMain ? "Kiln" : "");
    }
}

TEST_F(LoadSyntaxTest, ForeignSectionEndsAtTheNextHeader)
{
    const SyntaxDef def = Load(
        "[main]\r\nname=First\r\n[ main ]\r\nname=Foreign\r\nfilter=Foreign\r\n[main]\r\nfilter=*.kln\r\n");
    EXPECT_EQ(def.name, "First");
    EXPECT_EQ(def.filter, "*.kln");
}

TEST_F(LoadSyntaxTest, LinesBeforeTheFirstHeaderAreIgnored)
{
    EXPECT_EQ(Load("name=Early\r\nKEY WORDS\r\n[main]\r\nfilter=f\r\n").name, "");
}

TEST_F(LoadSyntaxTest, KeyAndValueText)
{
    struct Case {
        const char* line;
        const char* name;
    };
    const Case cases[] = {
        {"name=Kiln", "Kiln"},
        {"  NaMe  =  Kiln  ", "Kiln"},
        {"NAME=Mixed Case Kept", "Mixed Case Kept"},
        {"name=a=b", "a=b"},
        {"name==", "="},
        {"name=", ""},
        {"name=\tTab\t", "\tTab\t"},      // only spaces are trimmed
        {"name\t=Tabbed key", "Before"},  // the key "name\t" is unknown
        {"name=\xC4\xE9\xFF", "\xC4\xE9\xFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(Load(std::string("[main]\r\nname=Before\r\n") + c.line + "\r\n").name, c.name);
    }
}

TEST_F(LoadSyntaxTest, LaterKeyOverwritesEarlierOne)
{
    EXPECT_EQ(Load("[main]\r\nname=One\r\nname=Two\r\n").name, "Two");
}

TEST_F(LoadSyntaxTest, LineWithoutEqualsSignChangesNothing)
{
    // Neither the key of the line before nor a blank line takes the value.
    const SyntaxDef def =
        Load("[main]\r\nname=Kiln\r\n   \r\nnot a key line\r\n[colors]\r\ntextcolor=7\r\nred\r\n");
    EXPECT_EQ(def.name, "Kiln");
    EXPECT_EQ(def.textcolor, 7u);
}

TEST_F(LoadSyntaxTest, CommentsAndEmptyLines)
{
    const SyntaxDef def = Load(
        "[main]\r\n;name=Comment\r\n\r\nname=Kiln\r\n;[options]\r\n"
        "[keywords]\r\nDIM SUB\r\n; a comment keeps the list\r\n\r\n"
        "[operators]\r\n+ -\r\n ; not a comment\r\n");
    EXPECT_EQ(def.name, "Kiln");
    EXPECT_EQ(def.keywords, "DIM\nSUB");
    EXPECT_EQ(def.operators, "\n;\nnot\na\ncomment");
}

TEST_F(LoadSyntaxTest, WordListLines)
{
    struct Case {
        const char* lines;
        const char* list;
    };
    const Case cases[] = {
        {"DIM SUB END", "DIM\nSUB\nEND"},
        {"DIM SUB\r\nIF THEN", "IF\nTHEN"},      // the last line wins
        {"A  B", "A\n\nB"},                      // two blanks give an empty entry
        {" A ", "\nA\n"},                        // the line is not trimmed
        {"A\tB", "A\tB"},                        // tabs do not separate
        {"   ", "\n\n\n"},                       // a line of blanks is a list too
        {"  NaMe  =  x", "\n\nNaMe\n\n=\n\nx"},  // no key=value in a word list
    };
    for (const char* section : {"keywords", "attributes", "operators"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(section) + ": " + c.lines);
            const SyntaxDef def = Load(std::string("[") + section + "]\r\n" + c.lines + "\r\n");
            const std::string& list = std::string(section) == "keywords"     ? def.keywords
                                      : std::string(section) == "attributes" ? def.attributes
                                                                             : def.operators;
            EXPECT_EQ(list, c.list);
        }
    }
}

TEST_F(LoadSyntaxTest, WordListSectionsAreIndependent)
{
    const SyntaxDef def =
        Load("[keywords]\r\nK\r\n[attributes]\r\nA\r\n[operators]\r\nO\r\n[KEYWORDS]\r\nK2\r\n");
    EXPECT_EQ(def.keywords, "K2");
    EXPECT_EQ(def.attributes, "A");
    EXPECT_EQ(def.operators, "O");
}

TEST_F(LoadSyntaxTest, Langstyle)
{
    struct Case {
        const char* value;
        int32_t langstyle;
    };
    const Case cases[] = {{"sgml", 1}, {"SGML", 1},  {"SgMl", 1}, {"  sgml  ", 1},
                          {"html", 0}, {"sgml2", 0}, {"", 0},     {"1", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        // A first sgml line shows that a later value sets 0 rather than leaving 1.
        const SyntaxDef def =
            Load(std::string("[options]\r\nlangstyle=sgml\r\nlangstyle=") + c.value + "\r\n");
        EXPECT_EQ(def.langstyle, c.langstyle);
    }
}

TEST_F(LoadSyntaxTest, ColorValues)
{
    struct Case {
        const char* value;
        uint32_t color;  // 0x11223344 is the earlier value, kept when the value does not convert
    };
    const Case cases[] = {
        {"&HFF0000", 0x00FF0000u},  // blue: the last two digits are red
        {"&H0000FF", 0x000000FFu},
        {"&hc0c0c0", 0x00C0C0C0u},
        {"&HC0C0", 0x0000C0C0u},  // not sign-extended
        {"&H8000000F", 0x8000000Fu},
        {"&HFFFFFFFF", 0xFFFFFFFFu},
        {"&H0", 0u},
        {"13160660", 13160660u},
        {"+42", 42u},
        {"-1", 0xFFFFFFFFu},
        {"-2147483648", 0x80000000u},
        {"2147483647", 0x7FFFFFFFu},
        {"007", 7u},
        {"red", 0x11223344u},
        {"", 0x11223344u},
        {"&H", 0x11223344u},
        {"&H123456789", 0x11223344u},  // more than 8 hex digits
        {"&HFG", 0x11223344u},
        {"&O17", 0x11223344u},
        {"1.5", 0x11223344u},
        {"12abc", 0x11223344u},
        {"12 34", 0x11223344u},
        {"-", 0x11223344u},
        {"+-1", 0x11223344u},
        {"2147483648", 0x11223344u},  // beyond the signed 32-bit range
        {"-2147483649", 0x11223344u},
        {"99999999999999999999999", 0x11223344u},
        {"\t5", 0x11223344u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const SyntaxDef def =
            Load(std::string("[colors]\r\nkeywordcolor=&H11223344\r\nkeywordcolor=") + c.value + "\r\n");
        EXPECT_EQ(def.keywordcolor, c.color);
    }
}

TEST_F(LoadSyntaxTest, ColorWrittenAsWordLeavesZero)
{
    EXPECT_EQ(Load("[colors]\r\ncommentcolor=green\r\n").commentcolor, 0u);
}

TEST_F(LoadSyntaxTest, IndentSizeValues)
{
    struct Case {
        const char* value;
        int16_t indentsize;  // 9 is the earlier value
    };
    const Case cases[] = {
        {"4", 4},          {"0", 0},     {"-3", -3},    {"32767", 32767}, {"-32768", -32768}, {"&H10", 16},
        {"&H7FFF", 32767}, {"32768", 9}, {"-32769", 9}, {"&HFFFF", 9},    {"four", 9},        {"4.0", 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Load(std::string("[options]\r\nindentsize=9\r\nindentsize=") + c.value + "\r\n").indentsize,
                  c.indentsize);
    }
}

TEST_F(LoadSyntaxTest, BooleanValues)
{
    struct Case {
        const char* value;
        bool startsTrue;  // the earlier value
        bool result;
    };
    const Case cases[] = {
        {"True", false, true},  {"TRUE", false, true}, {"true", false, true}, {"False", true, false},
        {"fAlSe", true, false}, {"1", false, true},    {"-1", false, true},   {"2", false, true},
        {"&H1", false, true},   {"0", true, false},    {"&H0", true, false},  {"-0", true, false},
        {"yes", true, true},    {"yes", false, false}, {"", true, true},      {"1.0", false, false},
        {"truex", true, true},  {"on", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value) + (c.startsTrue ? " after True" : " after False"));
        const SyntaxDef def = Load(std::string("[options]\r\nautocase=") + (c.startsTrue ? "True" : "False") +
                                   "\r\nautocase=" + c.value + "\r\n");
        EXPECT_EQ(def.autocase, c.result);
    }
}

TEST_F(LoadSyntaxTest, LineEnds)
{
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"CR LF", "[main]\r\nname=Kiln\r\n[keywords]\r\nA B\r\n"},
        {"lone CR", "[main]\rname=Kiln\r[keywords]\rA B\r"},
        {"lone LF", "[main]\nname=Kiln\n[keywords]\nA B\n"},
        {"mixed", "[main]\rname=Kiln\n[keywords]\r\nA B"},
        {"CR CR LF", "[main]\r\r\nname=Kiln\r\r\n[keywords]\r\r\nA B\r\r\n"},
        {"no final line end", "[main]\r\nname=Kiln\r\n[keywords]\r\nA B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SyntaxDef def = Load(c.bytes);
        EXPECT_EQ(def.name, "Kiln");
        EXPECT_EQ(def.keywords, "A\nB");
    }
}

TEST_F(LoadSyntaxTest, NulByteStaysInTheValue)
{
    EXPECT_EQ(Load(std::string("[main]\r\nname=a") + '\0' + "b\r\n").name, std::string("a\0b", 3));
}

TEST_F(LoadSyntaxTest, ByteOrderMarkIsNotSkipped)
{
    // The mark makes the first line no header, so its section never opens.
    EXPECT_EQ(Load("\xEF\xBB\xBF[main]\r\nname=Kiln\r\n").name, "");
}

TEST_F(LoadSyntaxTest, ReadFileKeepsItsPath)
{
    const std::string path = folder_.Write("kept.syn", "[main]\r\nname=Kiln\r\n");
    EXPECT_EQ(LoadSyntax(path).sourcePath, path);
}

TEST_F(LoadSyntaxTest, EmptyFileGivesAnEmptyDefinitionWithItsPath)
{
    const std::string path = folder_.Write("empty.syn", "");
    const SyntaxDef def = LoadSyntax(path);
    EXPECT_EQ(def.sourcePath, path);
    EXPECT_EQ(def.name, "");
}

TEST_F(LoadSyntaxTest, UnreadablePathsGiveTheAllEmptyRecord)
{
    for (const std::string& path :
         {folder_.Path("missing.syn"), folder_.Root(), std::string(""), folder_.Path("no/such/folder.syn")}) {
        SCOPED_TRACE(path);
        ExpectAllEmpty(LoadSyntax(path));
    }
}

TEST(SplitChars, Table)
{
    struct Case {
        std::string text;
        std::string result;
    };
    const Case cases[] = {
        {"", ""},           {"\"", "\""},         {"\n", "\n"},   {"\"'", "\"\n'"},
        {"abc", "a\nb\nc"}, {"a\nb", "a\n\n\nb"}, {"  ", " \n "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SplitChars(c.text), c.result);
    }
}

TEST(StripNull, Table)
{
    struct Case {
        std::string text;
        std::string result;
    };
    const Case cases[] = {
        {"", ""},
        {"abc", "abc"},
        {std::string("ab\0cd", 5), "ab"},
        {std::string("\0x", 2), ""},
        {std::string("a\0\0", 3), "a"},
        {"abc\xFF", "abc\xFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StripNull(c.text), c.result);
    }
}

}  // namespace
}  // namespace kforge
