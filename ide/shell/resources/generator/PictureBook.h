#pragma once
// The IDE's pictures as readable text: a palette of one-character colour
// names and named pixel maps drawn with them.
//
//   # a comment
//   colour k 000000        the character k draws RRGGBB
//   colour . none          the character . is transparent
//   picture folder         a picture: the rows that follow, up to a
//   ..kkkk..               blank line or the end; all rows are equally
//   .k....k.               long
//
// A colour (any character but '#' and blanks) is defined once; a picture
// uses only defined colours.

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "Raster.h"

namespace kforge {

// A fault in a text file of the generator, with its line number.
class SourceError : public std::runtime_error {
public:
    SourceError(int line, const std::string& what);
};

// A colour written RRGGBB in hex, or "none" (transparent); throws
// SourceError otherwise.
Pixel ParseColourValue(int line, const std::string& text);

class PictureBook {
public:
    // Reads the book's text; throws SourceError on a fault.
    static PictureBook Parse(const std::string& text);

    bool Has(const std::string& name) const { return pictures_.count(name) != 0; }
    // The named picture; throws std::out_of_range when there is none.
    const Raster& Picture(const std::string& name) const { return pictures_.at(name); }

private:
    void AddColour(int line, const std::string& name, const std::string& value);
    Raster ParseRows(int firstLine, const std::vector<std::string>& rows) const;

    std::map<char, Pixel> palette_;
    std::map<std::string, Raster> pictures_;
};

}  // namespace kforge
