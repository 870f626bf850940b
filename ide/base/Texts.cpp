#include "Texts.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace kforge {

std::string Trim(const std::string& text)
{
    std::string::size_type first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

char LowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerCase(std::string text)
{
    for (char& c : text) c = LowerCase(c);
    return text;
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool EqualsIgnoreCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerCase(x) == LowerCase(y); });
}

std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& with)
{
    if (what.empty()) return text;
    std::string result;
    std::string::size_type from = 0;
    for (auto found = text.find(what); found != std::string::npos; found = text.find(what, from)) {
        result.append(text, from, found - from).append(with);
        from = found + what.size();
    }
    return result.append(text, from, std::string::npos);
}

std::string StripNull(const std::string& text) { return text.substr(0, text.find('\0')); }

std::optional<std::int32_t> ParseInt32(const std::string& text)
{
    std::string digits = Trim(text);
    bool negative = StartsWith(digits, "-");
    if (negative || StartsWith(digits, "+")) digits.erase(0, 1);
    if (digits.empty() || digits.size() > 10) return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace kforge
