// What the docking host keeps across runs: where each pane sits and in
// which order, which panes and bars show, the sites' sizes, the MRU lists
// and the configuration choice. Encoded as PropertyBag bytes; bytes that do
// not decode to a sound layout give nothing, so the host keeps its own.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "MruList.h"

namespace kforge {

// The fixed places panes dock at.
enum class DockSide { Left = 0, Right = 1, Bottom = 2 };
constexpr int kDockSideCount = 3;

struct PanePlacement {
    std::string key;
    DockSide side = DockSide::Right;
    bool visible = true;
};

struct MruLayout {
    std::string toolKey;
    std::vector<MruEntry> entries;  // newest first
};

struct DockLayout {
    std::vector<PanePlacement> panes;  // in tab order within each side
    std::array<int, kDockSideCount>
        sideSize{};  // pixels across the side (width or height); 0 = the host's own
    std::array<std::string, kDockSideCount> sideCurrent;  // the key of the pane each side shows
    bool statusBarVisible = true;
    bool toolBarVisible = true;
    std::vector<MruLayout> mruLists;
    std::string buildPage;  // the chosen configuration
};

std::vector<std::uint8_t> EncodeDockLayout(const DockLayout& layout);
// The layout the bytes hold; nothing for bytes of another kind, of a
// damaged bag, or with a side, size or count out of range.
std::optional<DockLayout> DecodeDockLayout(const std::vector<std::uint8_t>& bytes);

}  // namespace kforge
