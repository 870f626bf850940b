#include "SourceStyler.h"

#include <algorithm>
#include <cstring>
#include <sstream>

#include "Texts.h"

namespace kforge {

namespace {

std::vector<std::string> SplitList(const std::string& list)
{
    std::vector<std::string> words;
    std::istringstream in(list);
    for (std::string word; std::getline(in, word, '\n');) {
        if (!word.empty() && word.back() == '\r') { word.pop_back(); }
        if (!word.empty()) { words.push_back(word); }
    }
    return words;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// A decimal digit, or "&H" followed by a hex digit.
bool IsNumberStart(const char* text, size_t len, size_t pos)
{
    if (IsDigit(text[pos])) { return true; }
    return text[pos] == '&' && pos + 2 < len && (text[pos + 1] == 'H' || text[pos + 1] == 'h') &&
           IsHexDigit(text[pos + 2]);
}

}  // namespace

bool IsWordByte(char c) { return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

SourceStyler::SourceStyler(const Language& language)
    : caseSensitive_(language.caseSensitive),
      secondList_(language.style == 1),
      lineComment_(language.lineComment),
      blockStart_(language.blockStart),
      blockEnd_(language.blockEnd)
{
    for (const std::string& delimiter : SplitList(language.stringDelimiters)) { delimiters_ += delimiter; }
    if (!language.escapeChar.empty()) { escape_ = language.escapeChar[0]; }
    for (const std::string& word : SplitList(language.keywords)) {
        keywords_.insert(WordKey(word.data(), word.size()));
        spellings_.emplace(LowerCase(word), word);
    }
    for (const std::string& word : SplitList(language.keywords2)) {
        keywords2_.insert(WordKey(word.data(), word.size()));
    }
    for (const std::string& word : SplitList(language.attributes)) {
        attributes_.insert(WordKey(word.data(), word.size()));
    }
    operators_ = SplitList(language.operators);
    std::stable_sort(operators_.begin(), operators_.end(),
                     [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
}

std::string SourceStyler::WordKey(const char* text, size_t len) const
{
    std::string key(text, len);
    return caseSensitive_ ? key : LowerCase(key);
}

bool SourceStyler::MatchesAt(const char* text, size_t len, size_t pos, const std::string& marker) const
{
    return !marker.empty() && marker.size() <= len - pos &&
           std::memcmp(text + pos, marker.data(), marker.size()) == 0;
}

size_t SourceStyler::OperatorLength(const char* text, size_t len, size_t pos) const
{
    for (const std::string& op : operators_) {
        if (MatchesAt(text, len, pos, op)) { return op.size(); }
    }
    return 0;
}

size_t SourceStyler::StringEnd(const char* text, size_t len, size_t pos) const
{
    const char quote = text[pos];
    for (size_t i = pos + 1; i < len; ++i) {
        if (escape_ && text[i] == escape_) {
            ++i;
        } else if (text[i] == quote) {
            return i + 1;
        }
    }
    return len;
}

size_t SourceStyler::NumberEnd(const char* text, size_t len, size_t pos) const
{
    size_t end = pos;
    if (text[pos] == '&') {
        end = pos + 2;
        while (end < len && IsHexDigit(text[end])) { ++end; }
        return end;
    }
    while (end < len && (IsDigit(text[end]) || text[end] == '.')) { ++end; }
    return end;
}

int SourceStyler::StyleLine(const char* text, size_t len, int state, unsigned char* styles) const
{
    size_t i = 0;
    auto fill = [&](size_t end, unsigned char style) {
        std::fill(styles + i, styles + end, style);
        i = end;
    };
    while (i < len) {
        if (state == kInBlockComment) {
            const char* found = blockEnd_.empty()
                                    ? nullptr
                                    : std::search(text + i, text + len, blockEnd_.begin(), blockEnd_.end());
            if (!found || found == text + len) {
                fill(len, kStyleComment);
                break;
            }
            fill(static_cast<size_t>(found - text) + blockEnd_.size(), kStyleComment);
            state = kInCode;
            continue;
        }
        const char c = text[i];
        if (MatchesAt(text, len, i, lineComment_)) {
            fill(len, kStyleComment);
        } else if (MatchesAt(text, len, i, blockStart_)) {
            fill(i + blockStart_.size(), kStyleComment);
            state = kInBlockComment;
        } else if (delimiters_.find(c) != std::string::npos) {
            fill(StringEnd(text, len, i), kStyleString);
        } else if (IsNumberStart(text, len, i)) {
            fill(NumberEnd(text, len, i), kStyleNumber);
        } else if (IsWordByte(c)) {
            size_t end = i;
            while (end < len && IsWordByte(text[end])) { ++end; }
            const std::string key = WordKey(text + i, end - i);
            unsigned char style = kStylePlain;
            if (keywords_.count(key)) {
                style = kStyleKeyword;
            } else if (secondList_ && keywords2_.count(key)) {
                style = kStyleKeyword2;
            } else if (attributes_.count(key)) {
                style = kStyleAttribute;
            }
            fill(end, style);
        } else if (size_t opLength = OperatorLength(text, len, i)) {
            fill(i + opLength, kStyleOperator);
        } else {
            fill(i + 1, kStylePlain);
        }
    }
    return state;
}

std::string SourceStyler::KeywordSpelling(const std::string& word) const
{
    auto found = spellings_.find(LowerCase(word));
    return found == spellings_.end() ? std::string() : found->second;
}

}  // namespace kforge
