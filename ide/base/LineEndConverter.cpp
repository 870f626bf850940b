#include "LineEndConverter.h"

namespace kforge {

std::string LineEndConverter::Convert(const char* data, std::size_t size)
{
    std::string text;
    text.reserve(size + size / 8);
    for (std::size_t i = 0; i < size; ++i) {
        const char c = data[i];
        if (c == '\0') { continue; }
        if (c == '\n' && !afterCr_) { text += '\r'; }
        text += c;
        afterCr_ = c == '\r';
    }
    return text;
}

}  // namespace kforge
