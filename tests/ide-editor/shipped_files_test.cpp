// The files the editor reads beside kforge.exe: syntax/kln.syn, read by the
// editor's own reader, and the argument file it names, checked against the
// public routines of the library modules System and KApp.
//
// EDITOR_FILES_DIR is the source folder laid out like the program folder
// (syntax/kln.syn and the argument file); LIBRARY_SOURCES_DIR holds the .kln
// sources of the library modules.

#include "SyntaxDef.h"
#include "Texts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace kforge {
namespace {

const std::string editorFiles = EDITOR_FILES_DIR;
const std::string librarySources = LIBRARY_SOURCES_DIR;

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << path;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> SplitAt(const std::string& text, char separator)
{
    std::vector<std::string> pieces;
    std::istringstream stream(text);
    for (std::string piece; std::getline(stream, piece, separator);) pieces.push_back(piece);
    return pieces;
}

// Every line ends in CR LF, the last one included, and there is no byte-order mark.
void ExpectCrLfWithoutBom(const std::string& bytes)
{
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(bytes.compare(0, 3, "\xEF\xBB\xBF"), 0);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
        } else if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
        }
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

class KlnSyn : public ::testing::Test {
protected:
    const std::string path_ = editorFiles + "/syntax/kln.syn";
    const SyntaxDef def_ = LoadSyntax(path_);

    std::set<std::string> Keywords() const
    {
        const std::vector<std::string> words = SplitAt(def_.keywords, '\n');
        return std::set<std::string>(words.begin(), words.end());
    }
};

TEST_F(KlnSyn, IsCrLfWithoutByteOrderMark) { ExpectCrLfWithoutBom(ReadFile(path_)); }

TEST_F(KlnSyn, Options)
{
    EXPECT_EQ(def_.sourcePath, path_);
    EXPECT_EQ(def_.name, "Kiln");
    EXPECT_FALSE(def_.casesensitive);
    EXPECT_TRUE(def_.autocase);
    EXPECT_TRUE(def_.autoindent);
    EXPECT_EQ(def_.indentsize, 4);
    EXPECT_EQ(def_.langstyle, 0);
    EXPECT_EQ(def_.singlelinecomment, "'");
    EXPECT_EQ(def_.multilinecommentstart, "/*");
    EXPECT_EQ(def_.multilinecommentend, "*/");
    EXPECT_EQ(def_.stringdelimeters, "\"");
    // A backslash in a Kiln string is a plain character.
    EXPECT_EQ(def_.escapechar, "");
}

TEST_F(KlnSyn, ColorsSetTokensApartFromPlainText)
{
    const std::set<uint32_t> colors = {def_.textcolor, def_.keywordcolor, def_.commentcolor, def_.stringcolor,
                                       def_.numbercolor};
    EXPECT_EQ(colors.size(), 5u);
    for (uint32_t color : colors) EXPECT_EQ(color & 0xFF000000u, 0u) << std::hex << color;
}

TEST_F(KlnSyn, NamesAnArgumentFileInTheProgramFolder)
{
    ASSERT_NE(def_.argumentfile, "");
    EXPECT_TRUE(std::ifstream(editorFiles + "/" + def_.argumentfile).is_open()) << def_.argumentfile;
}

TEST_F(KlnSyn, KeywordListIsClean)
{
    const std::vector<std::string> words = SplitAt(def_.keywords, '\n');
    std::set<std::string> lowerWords;
    for (const std::string& word : words) {
        SCOPED_TRACE(word);
        EXPECT_FALSE(word.empty());  // two blanks in a row would give an empty entry
        EXPECT_TRUE(std::regex_match(word, std::regex("[A-Z]+"))) << "case normalising writes this spelling";
        EXPECT_TRUE(lowerWords.insert(LowerCase(word)).second) << "listed twice";
    }
}

TEST_F(KlnSyn, KeywordsAreKilnStatementDeclarationAndTypeWords)
{
    const char* const required[] = {
        // statements and the words of their blocks
        "CALL",
        "CASE",
        "CATCH",
        "DECR",
        "DIM",
        "DO",
        "EACH",
        "ELSE",
        "ELSEIF",
        "END",
        "EXIT",
        "FOR",
        "GOTO",
        "IF",
        "IN",
        "INCR",
        "INPUT",
        "LET",
        "LINE",
        "LOOP",
        "NEXT",
        "PRINT",
        "RAISE",
        "REDIM",
        "SELECT",
        "SET",
        "STEP",
        "SWAP",
        "THEN",
        "THROW",
        "TO",
        "TRY",
        "UNTIL",
        "WEND",
        "WHILE",
        // declarations
        "ALIAS",
        "AS",
        "BUILTIN",
        "BYREF",
        "BYVAL",
        "CLASS",
        "COLLECTION",
        "CONST",
        "DECLARE",
        "DICTIONARY",
        "ENUM",
        "EXPORT",
        "EXTENDS",
        "EXTERNAL",
        "FINALIZATION",
        "FUNCTION",
        "GET",
        "INITIALIZATION",
        "INTERFACE",
        "LIB",
        "NEW",
        "OPTION",
        "PRIVATE",
        "PROPERTY",
        "PROTECTED",
        "PUBLIC",
        "SUB",
        "TYPE",
        "USING",
        // operator words
        "AND",
        "MOD",
        "NOT",
        "OR",
        "XOR",
    };
    const std::set<std::string> keywords = Keywords();
    for (const char* word : required) EXPECT_EQ(keywords.count(word), 1u) << word;
}

TEST_F(KlnSyn, KeywordsHoldEveryBuiltInTypeOfSystem)
{
    const std::set<std::string> keywords = Keywords();
    const std::regex builtIn(R"(^(?:PUBLIC\s+)?DECLARE\s+BUILTIN\s+(?:TYPE\s+|CLASS\s+)?(\w+)\s*$)");
    int types = 0;
    for (std::string line : SplitAt(ReadFile(librarySources + "/System.kln"), '\n')) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::smatch match;
        if (!std::regex_match(line, match, builtIn)) continue;
        ++types;
        EXPECT_EQ(keywords.count(match[1]), 1u) << match[1];
    }
    EXPECT_GT(types, 0) << "System.kln declares no built-in types";
}

TEST_F(KlnSyn, KeywordsHoldNoCppOnlyWords)
{
    // The C++ words the compiler renames that are no Kiln words.
    const char* const cppWords[] = {
        "unsigned", "signed",    "char",      "int",     "bool",     "float",  "void",
        "auto",     "static",    "register",  "mutable", "volatile", "extern", "struct",
        "union",    "typedef",   "typename",  "switch",  "default",  "break",  "delete",
        "typeid",   "type_info", "namespace", "kln",
    };
    std::set<std::string> lowerKeywords;
    for (const std::string& word : Keywords()) lowerKeywords.insert(LowerCase(word));
    for (const char* word : cppWords) EXPECT_EQ(lowerKeywords.count(word), 0u) << word;
}

TEST_F(KlnSyn, OperatorsHoldTheTwoCharacterOnes)
{
    const std::vector<std::string> list = SplitAt(def_.operators, '\n');
    const std::set<std::string> operators(list.begin(), list.end());
    for (const char* op :
         {"<>", "<=", ">=", "+=", "-=", "*=", "/=", "++", "--", "+", "=", "(", ")", ",", "."}) {
        EXPECT_EQ(operators.count(op), 1u) << op;
    }
    EXPECT_EQ(operators.count(""), 0u);
}

// The [ArgumentsList] entries of an INI file as the profile functions see
// them: keys compared ignoring case, values trimmed of blanks.
std::map<std::string, std::string> ReadArgumentsList(const std::string& bytes)
{
    std::map<std::string, std::string> entries;
    bool inSection = false;
    for (std::string line : SplitAt(bytes, '\n')) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            inSection = LowerCase(line) == "[argumentslist]";
            continue;
        }
        const std::string::size_type equals = line.find('=');
        EXPECT_NE(equals, std::string::npos) << line;
        if (!inSection || equals == std::string::npos) continue;
        const std::string key = LowerCase(Trim(line.substr(0, equals)));
        EXPECT_TRUE(entries.emplace(key, Trim(line.substr(equals + 1))).second) << "twice: " << key;
    }
    return entries;
}

// The tip text of each public routine of a library source: its heading after
// PUBLIC FUNCTION or PUBLIC SUB, with "()" after a name that has no list.
std::map<std::string, std::string> PublicRoutines(const std::string& source)
{
    std::map<std::string, std::string> routines;
    const std::regex heading(R"(^\s*PUBLIC\s+(?:FUNCTION|SUB)\s+(\w+)(\(.*\))?(.*)$)", std::regex::icase);
    for (std::string line : SplitAt(source, '\n')) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::smatch match;
        if (!std::regex_match(line, match, heading)) continue;
        const std::string list = match[2].matched ? match[2].str() : "()";
        routines[LowerCase(match[1])] = match[1].str() + list + match[3].str();
    }
    return routines;
}

class KlnArg : public ::testing::Test {
protected:
    const std::string path_ = editorFiles + "/" + LoadSyntax(editorFiles + "/syntax/kln.syn").argumentfile;
    const std::string bytes_ = ReadFile(path_);
};

TEST_F(KlnArg, IsCrLfWithoutByteOrderMark) { ExpectCrLfWithoutBom(bytes_); }

TEST_F(KlnArg, HoldsTheArgumentsOfEveryPublicRoutineOfSystemAndKApp)
{
    std::map<std::string, std::string> routines;
    for (const char* module : {"System", "KApp"}) {
        const std::map<std::string, std::string> found =
            PublicRoutines(ReadFile(librarySources + "/" + module + ".kln"));
        EXPECT_FALSE(found.empty()) << module;
        routines.insert(found.begin(), found.end());
    }
    EXPECT_EQ(routines.count("left"), 1u);
    EXPECT_EQ(routines.count("messageloop"), 1u);
    EXPECT_EQ(ReadArgumentsList(bytes_), routines);
}

TEST_F(KlnArg, ValuesFitTheTipBuffer)
{
    for (const auto& [key, value] : ReadArgumentsList(bytes_)) {
        EXPECT_LE(value.size(), 254u) << key;
        EXPECT_NE(value.find('('), std::string::npos) << key;
    }
}

}  // namespace
}  // namespace kforge
