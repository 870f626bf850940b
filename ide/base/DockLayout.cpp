#include "DockLayout.h"

#include "DockKeys.h"
#include "PropertyBag.h"

namespace kforge {

namespace {

// The "DockLayout" mark of bytes of this kind. Layouts of the first mark
// read whole but for their side sizes: their splitters could not be seen,
// so those sizes are the old built-in ones and the host's own apply.
constexpr std::int32_t kFormat = 2;
constexpr std::int32_t kFormatWithoutSizes = 1;
constexpr std::int32_t kMaxPanes = 64;
constexpr std::int32_t kMaxSideSize = 16384;
const char* const kSideNames[kDockSideCount] = {"Left", "Right", "Bottom"};

std::string Indexed(const std::string& stem, std::size_t index, const char* field)
{
    return stem + std::to_string(index) + "." + field;
}

void EncodePanes(PropertyBag& bag, const std::vector<PanePlacement>& panes)
{
    bag.Write("PaneCount", static_cast<std::int32_t>(panes.size()), std::int32_t{0});
    for (std::size_t i = 0; i < panes.size(); ++i) {
        bag.Write(Indexed("Pane", i, "Key"), panes[i].key, std::string());
        bag.Write(Indexed("Pane", i, "Side"), static_cast<std::int32_t>(panes[i].side), std::int32_t{0});
        bag.Write(Indexed("Pane", i, "Visible"), panes[i].visible, true);
    }
}

void EncodeMruLists(PropertyBag& bag, const std::vector<MruLayout>& lists)
{
    bag.Write("MruCount", static_cast<std::int32_t>(lists.size()), std::int32_t{0});
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const std::string stem = "Mru" + std::to_string(i) + ".";
        bag.Write(stem + "Tool", lists[i].toolKey, std::string());
        bag.Write(stem + "Count", static_cast<std::int32_t>(lists[i].entries.size()), std::int32_t{0});
        for (std::size_t j = 0; j < lists[i].entries.size(); ++j) {
            bag.Write(Indexed(stem + "Entry", j, "Key"), lists[i].entries[j].key, std::string());
            bag.Write(Indexed(stem + "Entry", j, "Caption"), lists[i].entries[j].caption, std::string());
        }
    }
}

std::optional<std::vector<PanePlacement>> DecodePanes(const PropertyBag& bag)
{
    const std::int32_t count = bag.Read("PaneCount", std::int32_t{0});
    if (count < 0 || count > kMaxPanes) { return std::nullopt; }
    std::vector<PanePlacement> panes;
    for (std::int32_t i = 0; i < count; ++i) {
        PanePlacement pane;
        pane.key = bag.Read(Indexed("Pane", i, "Key"), std::string());
        const std::int32_t side = bag.Read(Indexed("Pane", i, "Side"), std::int32_t{0});
        if (pane.key.empty() || side < 0 || side >= kDockSideCount) { return std::nullopt; }
        pane.side = static_cast<DockSide>(side);
        pane.visible = bag.Read(Indexed("Pane", i, "Visible"), true);
        panes.push_back(pane);
    }
    return panes;
}

std::optional<std::vector<MruLayout>> DecodeMruLists(const PropertyBag& bag)
{
    const std::int32_t count = bag.Read("MruCount", std::int32_t{0});
    if (count < 0 || count > kMaxPanes) { return std::nullopt; }
    std::vector<MruLayout> lists;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string stem = "Mru" + std::to_string(i) + ".";
        MruLayout list;
        list.toolKey = bag.Read(stem + "Tool", std::string());
        const std::int32_t entries = bag.Read(stem + "Count", std::int32_t{0});
        if (list.toolKey.empty() || entries < 0 || entries > static_cast<std::int32_t>(MruList::kCapacity)) {
            return std::nullopt;
        }
        for (std::int32_t j = 0; j < entries; ++j) {
            list.entries.push_back({bag.Read(Indexed(stem + "Entry", j, "Key"), std::string()),
                                    bag.Read(Indexed(stem + "Entry", j, "Caption"), std::string())});
        }
        lists.push_back(std::move(list));
    }
    return lists;
}

}  // namespace

std::vector<std::uint8_t> EncodeDockLayout(const DockLayout& layout)
{
    PropertyBag bag;
    bag.Write("DockLayout", kFormat, std::int32_t{0});
    EncodePanes(bag, layout.panes);
    for (int side = 0; side < kDockSideCount; ++side) {
        const std::string stem = std::string("Side.") + kSideNames[side];
        bag.Write(stem + ".Size", static_cast<std::int32_t>(layout.sideSize[side]), std::int32_t{0});
        bag.Write(stem + ".Current", layout.sideCurrent[side], std::string());
    }
    bag.Write(keys::kStatusBar, layout.statusBarVisible, true);
    bag.Write(keys::kStandartBar, layout.toolBarVisible, true);
    EncodeMruLists(bag, layout.mruLists);
    bag.Write(keys::kBuildPage, layout.buildPage, std::string());
    return bag.ToBytes();
}

std::optional<DockLayout> DecodeDockLayout(const std::vector<std::uint8_t>& bytes)
{
    const PropertyBag bag = PropertyBag::FromBytes(bytes);
    const std::int32_t format = bag.Read("DockLayout", std::int32_t{0});
    if (format != kFormat && format != kFormatWithoutSizes) { return std::nullopt; }
    DockLayout layout;
    auto panes = DecodePanes(bag);
    auto mruLists = DecodeMruLists(bag);
    if (!panes || !mruLists) { return std::nullopt; }
    layout.panes = std::move(*panes);
    layout.mruLists = std::move(*mruLists);
    for (int side = 0; side < kDockSideCount; ++side) {
        const std::string stem = std::string("Side.") + kSideNames[side];
        const std::int32_t size = bag.Read(stem + ".Size", std::int32_t{0});
        if (size < 0 || size > kMaxSideSize) { return std::nullopt; }
        if (format == kFormat) { layout.sideSize[side] = size; }
        layout.sideCurrent[side] = bag.Read(stem + ".Current", std::string());
    }
    layout.statusBarVisible = bag.Read(keys::kStatusBar, true);
    layout.toolBarVisible = bag.Read(keys::kStandartBar, true);
    layout.buildPage = bag.Read(keys::kBuildPage, std::string());
    return layout;
}

}  // namespace kforge
