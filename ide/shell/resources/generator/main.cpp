// kforge-assetgen PICTURES LIST OUTDIR: writes every picture file of LIST,
// drawn from the picture book PICTURES, into OUTDIR, then OUTDIR/assets.stamp.
// A fault in either text file is reported with its line; nothing is
// stamped then, so the build stops.
#include <fstream>
#include <iostream>
#include <sstream>

#include "AssetList.h"
#include "PictureBook.h"

namespace {

std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) { throw std::runtime_error("cannot read " + path); }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteWhole(const std::string& path, const kforge::Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) { throw std::runtime_error("cannot write " + path); }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: kforge-assetgen PICTURES LIST OUTDIR\n";
        return 2;
    }
    std::string source = argv[1];
    try {
        kforge::PictureBook book = kforge::PictureBook::Parse(ReadWhole(argv[1]));
        source = argv[2];
        kforge::AssetList list = kforge::AssetList::Parse(ReadWhole(argv[2]));
        std::string outDir = argv[3];
        std::string stamp;
        for (const kforge::AssetEntry& entry : list.Entries()) {
            WriteWhole(outDir + "/" + entry.file, kforge::AssetList::Build(entry, book));
            stamp += entry.file + "\n";
        }
        WriteWhole(outDir + "/assets.stamp", kforge::Bytes(stamp.begin(), stamp.end()));
    } catch (const std::exception& fault) {
        std::cerr << source << ": " << fault.what() << "\n";
        return 1;
    }
    return 0;
}
