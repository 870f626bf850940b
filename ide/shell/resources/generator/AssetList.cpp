#include "AssetList.h"

#include <stdexcept>

#include "BmpFile.h"
#include "IcoFile.h"
#include "TextLines.h"

namespace kforge {

namespace {

std::vector<int> ParseScales(int line, const std::string& text)
{
    std::vector<int> scales;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(part) < 1) {
            throw SourceError(line, "scales are whole numbers from 1, separated by commas: '" + text + "'");
        }
        scales.push_back(std::stoi(part));
        if (comma == std::string::npos) { break; }
        start = comma + 1;
    }
    return scales;
}

AssetEntry ParseEntry(int line, const std::vector<std::string>& words)
{
    if (words.size() < 6) {
        throw SourceError(line, "expected: file kind depth scales background pictures...");
    }
    AssetEntry entry;
    entry.line = line;
    entry.file = words[0];
    if (words[1] != "bmp" && words[1] != "ico") { throw SourceError(line, "the kind is bmp or ico"); }
    entry.icon = words[1] == "ico";
    if (words[2].find_first_not_of("0123456789") != std::string::npos) {
        throw SourceError(line, "the depth is a number of bits");
    }
    entry.depth = std::stoi(words[2]);
    entry.scales = ParseScales(line, words[3]);
    entry.background = ParseColourValue(line, words[4]);
    entry.pictures.assign(words.begin() + 5, words.end());
    if (entry.icon && (entry.depth != 32 || !entry.background.transparent)) {
        throw SourceError(line, "an icon has depth 32 and background none");
    }
    if (!entry.icon && (entry.scales.size() != 1 || entry.background.transparent)) {
        throw SourceError(line, "a bitmap has one scale and a background colour");
    }
    return entry;
}

Raster Strip(const AssetEntry& entry, const PictureBook& book)
{
    int height = 0;
    for (const std::string& name : entry.pictures) {
        if (name == "-") { continue; }
        if (!book.Has(name)) { throw SourceError(entry.line, "no picture '" + name + "'"); }
        height = book.Picture(name).height;
        break;
    }
    if (height == 0) { throw SourceError(entry.line, "the pictures are all blank"); }
    std::vector<Raster> parts;
    for (const std::string& name : entry.pictures) {
        if (name != "-" && !book.Has(name)) { throw SourceError(entry.line, "no picture '" + name + "'"); }
        parts.push_back(name == "-" ? Raster(height, height) : book.Picture(name));
    }
    try {
        return SideBySide(parts);
    } catch (const std::invalid_argument& fault) {
        throw SourceError(entry.line, fault.what());
    }
}

}  // namespace

AssetList AssetList::Parse(const std::string& text)
{
    AssetList list;
    std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::vector<std::string> words = SplitBlanks(StripComment(lines[i]));
        if (!words.empty()) { list.entries_.push_back(ParseEntry(static_cast<int>(i) + 1, words)); }
    }
    return list;
}

Bytes AssetList::Build(const AssetEntry& entry, const PictureBook& book)
{
    Raster strip = Strip(entry, book);
    try {
        if (!entry.icon) {
            return BmpFile::Encode(Scaled(strip, entry.scales[0]), entry.depth, entry.background);
        }
        std::vector<Raster> images;
        for (int scale : entry.scales) { images.push_back(Scaled(strip, scale)); }
        return IcoFile::Encode(images);
    } catch (const std::invalid_argument& fault) {
        throw SourceError(entry.line, entry.file + ": " + fault.what());
    }
}

}  // namespace kforge
