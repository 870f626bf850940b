// Number grammar, number text, 32-bit wrapping and the variant operations
// that are not inline.
#include "runtime.h"

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace kln {
namespace {
bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Length of the run of digits at text[i..length).
int digits_at(const char* text, int i, int length)
{
    int start = i;
    while (i < length && is_digit(text[i])) ++i;
    return i - start;
}

// Converts the already checked number text [begin, end).
double read_checked(const char* begin, int count)
{
    char small[64];
    char* copy = count < static_cast<int>(sizeof small) ? small : static_cast<char*>(malloc(count + 1));
    if (!copy) __out_of_memory();
    memcpy(copy, begin, count);
    copy[count] = 0;
    double d = __mingw_strtod(copy, nullptr);
    if (copy != small) free(copy);
    return d;
}
}  // namespace

double __parse_number(const char* text, int length)
{
    if (reinterpret_cast<std::size_t>(text) < 0x10000) return 0;
    int i = 0;
    while (i < length && is_blank(text[i])) ++i;
    int start = i;
    if (i < length && (text[i] == '+' || text[i] == '-')) ++i;
    int whole = digits_at(text, i, length);
    i += whole;
    int fraction = 0;
    if (i < length && text[i] == '.') {
        fraction = digits_at(text, i + 1, length);
        if (whole + fraction > 0) i += 1 + fraction;
    }
    if (whole + fraction == 0) return 0;
    if (i < length && (text[i] == 'e' || text[i] == 'E')) {
        int j = i + 1;
        if (j < length && (text[j] == '+' || text[j] == '-')) ++j;
        int exponent = digits_at(text, j, length);
        if (exponent > 0) i = j + exponent;
    }
    return read_checked(text + start, i - start);
}

string __format_number(double d)
{
    char buffer[260];
    int n = __mingw_snprintf(buffer, sizeof buffer, "%.16g", d);
    return string(buffer, n < 0 ? 0 : n);
}

unsigned __wrap32(double d)
{
    if (!(d == d) || isinf(d)) return 0;
    double t = trunc(d);
    if (fabs(t) >= 9.0e18) t = fmod(t, 4294967296.0);
    return static_cast<unsigned>(static_cast<long long>(t));
}

int __compare_texts(const string& a, const string& b)
{
    int r = string::compare(a, b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int __compare_numbers(double a, double b)
{
    if (a < b) return -1;
    if (a > b) return 1;
    if (a == b) return 0;
    return 2;
}

// ---------------------------------------------------------------------------
// variant

variant::variant(const string& s) : kind(1), number(__parse_number(s)), text(s) {}

const string& variant::str() const
{
    if (kind == 0 && text.is_raw()) text = __format_number(number);
    return text;
}

variant __plus_text(const variant& a, const variant& b) { return variant(string::concat(a.str(), b.str())); }

variant __plus_text(const variant& a, const string& b) { return variant(string::concat(a.str(), b)); }

// A text plus a number reads the joined text back as a number.
variant __plus_text(const variant& a, double b)
{
    return variant(__parse_number(string::concat(a.str(), __format_number(b))));
}
}  // namespace kln
