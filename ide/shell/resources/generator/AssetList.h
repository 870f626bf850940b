#pragma once
// The list of picture files the generator writes, one line each:
//
//   # file      kind  depth  scales  background  pictures...
//   tree.bmp    bmp   24     1       FF00FF      root group - file
//   app.ico     ico   32     1,2     none        app
//
// A .bmp is its pictures side by side ("-" is a transparent square as high
// as the strip), enlarged by its one scale, transparent pixels in the
// background colour. An .ico holds its picture once per scale (1,2 gives
// 16 x 16 and 32 x 32 from a 16 x 16 picture) and keeps transparency; its
// depth is 32 and its background "none".

#include <string>
#include <vector>

#include "ByteWriter.h"
#include "PictureBook.h"

namespace kforge {

struct AssetEntry {
    int line = 0;  // in the list, for messages
    std::string file;
    bool icon = false;
    int depth = 24;
    std::vector<int> scales;
    Pixel background;
    std::vector<std::string> pictures;
};

class AssetList {
public:
    // Reads the list's text; throws SourceError on a fault.
    static AssetList Parse(const std::string& text);

    const std::vector<AssetEntry>& Entries() const { return entries_; }

    // The file's bytes from the book's pictures; throws SourceError (with
    // the entry's line) when a picture is missing or does not fit.
    static Bytes Build(const AssetEntry& entry, const PictureBook& book);

private:
    std::vector<AssetEntry> entries_;
};

}  // namespace kforge
