#include "PictureBook.h"

#include "TextLines.h"

namespace kforge {

SourceError::SourceError(int line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what)
{
}

Pixel ParseColourValue(int line, const std::string& text)
{
    if (text == "none") { return Pixel{0, 0, 0, true}; }
    if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        throw SourceError(line, "a colour is RRGGBB in hex or none, not '" + text + "'");
    }
    unsigned long value = std::stoul(text, nullptr, 16);
    return Pixel{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                 static_cast<std::uint8_t>(value), false};
}

PictureBook PictureBook::Parse(const std::string& text)
{
    PictureBook book;
    std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        int lineNumber = static_cast<int>(i) + 1;
        std::vector<std::string> words = SplitBlanks(StripComment(lines[i]));
        if (words.empty()) { continue; }
        if (words[0] == "colour" && words.size() == 3) {
            book.AddColour(lineNumber, words[1], words[2]);
        } else if (words[0] == "picture" && words.size() == 2) {
            if (book.Has(words[1])) { throw SourceError(lineNumber, "picture '" + words[1] + "' again"); }
            std::vector<std::string> rows;
            while (i + 1 < lines.size() && !lines[i + 1].empty()) { rows.push_back(lines[++i]); }
            book.pictures_[words[1]] = book.ParseRows(lineNumber + 1, rows);
        } else {
            throw SourceError(lineNumber, "expected 'colour C RRGGBB' or 'picture NAME'");
        }
    }
    return book;
}

void PictureBook::AddColour(int line, const std::string& name, const std::string& value)
{
    if (name.size() != 1) { throw SourceError(line, "a colour's name is one character"); }
    if (palette_.count(name[0])) { throw SourceError(line, "colour '" + name + "' again"); }
    palette_[name[0]] = ParseColourValue(line, value);
}

Raster PictureBook::ParseRows(int firstLine, const std::vector<std::string>& rows) const
{
    if (rows.empty()) { throw SourceError(firstLine, "a picture needs at least one row"); }
    Raster raster(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < raster.height; ++y) {
        const std::string& row = rows[y];
        if (static_cast<int>(row.size()) != raster.width) {
            throw SourceError(firstLine + y, "rows of one picture are equally long");
        }
        for (int x = 0; x < raster.width; ++x) {
            auto colour = palette_.find(row[x]);
            if (colour == palette_.end()) {
                throw SourceError(firstLine + y, std::string("no colour '") + row[x] + "'");
            }
            raster.At(x, y) = colour->second;
        }
    }
    return raster;
}

}  // namespace kforge
