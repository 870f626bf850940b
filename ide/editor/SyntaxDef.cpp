#include "SyntaxDef.h"

#include "Texts.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <optional>
#include <vector>

namespace kforge {

namespace {

enum class Section { None, Main, Options, Colors, Keywords, Attributes, Operators };

struct SectionName {
    const char* name;
    Section section;
};

const SectionName sectionNames[] = {
    {"main", Section::Main},         {"options", Section::Options},       {"colors", Section::Colors},
    {"keywords", Section::Keywords}, {"attributes", Section::Attributes}, {"operators", Section::Operators},
};

template<typename Field> struct KeyField {
    Section section;
    const char* key;
    Field SyntaxDef::*field;
};

const KeyField<std::string> textKeys[] = {
    {Section::Main, "name", &SyntaxDef::name},
    {Section::Main, "filter", &SyntaxDef::filter},
    {Section::Options, "functionstring", &SyntaxDef::functionstring},
    {Section::Options, "argumentfile", &SyntaxDef::argumentfile},
    {Section::Options, "singlelinecomment", &SyntaxDef::singlelinecomment},
    {Section::Options, "singlelinecommentalt", &SyntaxDef::singlelinecommentalt},
    {Section::Options, "multilinecommentstart", &SyntaxDef::multilinecommentstart},
    {Section::Options, "multilinecommentstartalt", &SyntaxDef::multilinecommentstartalt},
    {Section::Options, "multilinecommentend", &SyntaxDef::multilinecommentend},
    {Section::Options, "multilinecommentendalt", &SyntaxDef::multilinecommentendalt},
    {Section::Options, "escapechar", &SyntaxDef::escapechar},
    {Section::Options, "syntaxstart", &SyntaxDef::syntaxstart},
    {Section::Options, "syntaxend", &SyntaxDef::syntaxend},
    {Section::Options, "stringdelimeters", &SyntaxDef::stringdelimeters},
    {Section::Options, "terminatorchar", &SyntaxDef::terminatorchar},
};

const KeyField<bool> booleanKeys[] = {
    {Section::Options, "casesensitive", &SyntaxDef::casesensitive},
    {Section::Options, "autocase", &SyntaxDef::autocase},
    {Section::Options, "autoindent", &SyntaxDef::autoindent},
};

const KeyField<uint32_t> colorKeys[] = {
    {Section::Colors, "numbercolor", &SyntaxDef::numbercolor},
    {Section::Colors, "operatorcolor", &SyntaxDef::operatorcolor},
    {Section::Colors, "keywordcolor", &SyntaxDef::keywordcolor},
    {Section::Colors, "attribcolor", &SyntaxDef::attribcolor},
    {Section::Colors, "textcolor", &SyntaxDef::textcolor},
    {Section::Colors, "commentcolor", &SyntaxDef::commentcolor},
    {Section::Colors, "stringcolor", &SyntaxDef::stringcolor},
};

// The field a word-list section replaces; null for the key=value sections.
std::string SyntaxDef::*WordListOf(Section section)
{
    switch (section) {
        case Section::Keywords:
            return &SyntaxDef::keywords;
        case Section::Attributes:
            return &SyntaxDef::attributes;
        case Section::Operators:
            return &SyntaxDef::operators;
        default:
            return nullptr;
    }
}

bool ReadBytes(const std::string& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) return false;
    char buffer[4096];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(file.gcount()));
    }
    // A read error, also the one of a folder opened as a file, sets badbit.
    return !file.bad();
}

std::vector<std::string> SplitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < bytes.size()) {
        const std::string::size_type end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
}

// "&H" and 1 to 8 hex digits, as an unsigned 32-bit value.
std::optional<int64_t> ParseHex(const std::string& digits)
{
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    int64_t value = 0;
    for (char c : digits) {
        if (!IsHexDigit(c)) return std::nullopt;
        value = value * 16 + HexDigitValue(c);
    }
    return value;
}

// An optional sign and decimal digits, within the signed 32-bit range.
std::optional<int64_t> ParseDecimal(const std::string& text)
{
    std::string::size_type pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) pos = 1;
    if (pos == text.size()) return std::nullopt;
    const int64_t limit = negative ? -int64_t{std::numeric_limits<int32_t>::min()}
                                   : int64_t{std::numeric_limits<int32_t>::max()};
    int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

std::optional<int64_t> ParseInteger(const std::string& text)
{
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        return ParseHex(text.substr(2));
    }
    return ParseDecimal(text);
}

std::optional<bool> ParseBoolean(const std::string& text)
{
    const std::string lower = LowerCase(text);
    if (lower == "true") return true;
    if (lower == "false") return false;
    if (const std::optional<int64_t> number = ParseInteger(text)) return *number != 0;
    return std::nullopt;
}

template<typename Field, std::size_t count>
const KeyField<Field>* FindKey(const KeyField<Field> (&table)[count], Section section, const std::string& key)
{
    for (const KeyField<Field>& entry : table) {
        if (entry.section == section && key == entry.key) return &entry;
    }
    return nullptr;
}

void ApplyValue(SyntaxDef& def, Section section, const std::string& key, const std::string& value)
{
    if (const auto* text = FindKey(textKeys, section, key)) {
        def.*(text->field) = value;
    } else if (const auto* boolean = FindKey(booleanKeys, section, key)) {
        if (const std::optional<bool> parsed = ParseBoolean(value)) def.*(boolean->field) = *parsed;
    } else if (const auto* color = FindKey(colorKeys, section, key)) {
        // Negative decimals give their two's-complement bit pattern.
        if (const std::optional<int64_t> parsed = ParseInteger(value)) {
            def.*(color->field) = static_cast<uint32_t>(*parsed);
        }
    } else if (section == Section::Options && key == "indentsize") {
        const std::optional<int64_t> parsed = ParseInteger(value);
        if (parsed && *parsed >= std::numeric_limits<int16_t>::min() &&
            *parsed <= std::numeric_limits<int16_t>::max()) {
            def.indentsize = static_cast<int16_t>(*parsed);
        }
    } else if (section == Section::Options && key == "langstyle") {
        def.langstyle = LowerCase(value) == "sgml" ? 1 : 0;
    }
}

bool IsHeader(const std::string& line)
{
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

Section SectionOf(const std::string& header)
{
    const std::string name = LowerCase(header.substr(1, header.size() - 2));
    for (const SectionName& known : sectionNames) {
        if (name == known.name) return known.section;
    }
    return Section::None;
}

void ApplyLine(SyntaxDef& def, Section section, const std::string& line)
{
    if (std::string SyntaxDef::*list = WordListOf(section)) {
        std::string words = line;
        std::replace(words.begin(), words.end(), ' ', '\n');
        def.*list = words;
        return;
    }
    const std::string::size_type equals = line.find('=');
    if (equals == std::string::npos) return;
    const std::string key = Trim(LowerCase(line.substr(0, equals)));
    ApplyValue(def, section, key, Trim(line.substr(equals + 1)));
}

}  // namespace

SyntaxDef LoadSyntax(const std::string& path)
{
    std::string bytes;
    if (!ReadBytes(path, bytes)) return SyntaxDef{};

    SyntaxDef def;
    def.sourcePath = path;
    Section section = Section::None;
    for (const std::string& line : SplitLines(bytes)) {
        if (line.empty() || line[0] == ';') continue;
        if (IsHeader(line)) {
            section = SectionOf(line);
        } else if (section != Section::None) {
            ApplyLine(def, section, line);
        }
    }
    return def;
}

std::string SplitChars(const std::string& text)
{
    if (text.size() < 2) return text;
    std::string joined;
    for (char c : text) {
        if (!joined.empty()) joined += '\n';
        joined += c;
    }
    return joined;
}

}  // namespace kforge
