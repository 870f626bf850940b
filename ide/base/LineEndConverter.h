// Tool output for a Windows text box: the box breaks lines only at CR LF,
// while the Linux tools end their lines with LF alone, and its text ends at
// the first NUL character.
#pragma once

#include <cstddef>
#include <string>

namespace kforge {

// Turns each LF that does not follow a CR into CR LF, across the chunks of
// one stream (a CR that ends one chunk still pairs with an LF that starts
// the next), and drops NUL characters, so that the rest still shows.
class LineEndConverter {
public:
    std::string Convert(const char* data, std::size_t size);

private:
    bool afterCr_ = false;  // the last character converted was a CR
};

}  // namespace kforge
