#include "DockLayout.h"

#include "PropertyBag.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using kforge::DecodeDockLayout;
using kforge::DockLayout;
using kforge::DockSide;
using kforge::EncodeDockLayout;
using kforge::PropertyBag;
using Bytes = std::vector<std::uint8_t>;

namespace {

DockLayout SomeLayout()
{
    DockLayout layout;
    layout.panes = {{"frmTask", DockSide::Left, true},
                    {"frmOutput", DockSide::Bottom, false},
                    {"frmProject", DockSide::Right, true}};
    layout.sideSize = {180, 250, 140};
    layout.sideCurrent = {"frmTask", "frmProject", ""};
    layout.statusBarVisible = false;
    layout.toolBarVisible = true;
    layout.mruLists = {{"FileMruList", {{"C:\\a.kln", "C:\\a.kln"}, {"C:\\b c.kln", "C:\\b c.kln"}}},
                       {"ProjectList", {}}};
    layout.buildPage = "Win32 Debug";
    return layout;
}

TEST(DockLayout, ALayoutReadsBackAsWritten)
{
    const DockLayout written = SomeLayout();
    const auto read = DecodeDockLayout(EncodeDockLayout(written));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->panes.size(), written.panes.size());
    for (size_t i = 0; i < written.panes.size(); ++i) {
        EXPECT_EQ(read->panes[i].key, written.panes[i].key);
        EXPECT_EQ(read->panes[i].side, written.panes[i].side);
        EXPECT_EQ(read->panes[i].visible, written.panes[i].visible);
    }
    EXPECT_EQ(read->sideSize, written.sideSize);
    EXPECT_EQ(read->sideCurrent, written.sideCurrent);
    EXPECT_EQ(read->statusBarVisible, written.statusBarVisible);
    EXPECT_EQ(read->toolBarVisible, written.toolBarVisible);
    ASSERT_EQ(read->mruLists.size(), 2u);
    EXPECT_EQ(read->mruLists[0].toolKey, "FileMruList");
    ASSERT_EQ(read->mruLists[0].entries.size(), 2u);
    EXPECT_EQ(read->mruLists[0].entries[1].caption, "C:\\b c.kln");
    EXPECT_TRUE(read->mruLists[1].entries.empty());
    EXPECT_EQ(read->buildPage, written.buildPage);
}

// A layout written before the splitters could be seen: everything but its
// sizes, which leave the host's own; an unknown mark gives nothing.
TEST(DockLayout, TheEarlierMarkReadsWithoutItsSizes)
{
    const auto markedAs = [](std::int32_t mark) {
        PropertyBag bag = PropertyBag::FromBytes(EncodeDockLayout(SomeLayout()));
        bag.Write("DockLayout", mark, std::int32_t{0});
        return DecodeDockLayout(bag.ToBytes());
    };
    const auto earlier = markedAs(1);
    ASSERT_TRUE(earlier);
    EXPECT_EQ(earlier->sideSize, (std::array<int, kforge::kDockSideCount>{}));
    EXPECT_EQ(earlier->sideCurrent, SomeLayout().sideCurrent);
    EXPECT_EQ(earlier->panes.size(), SomeLayout().panes.size());
    EXPECT_EQ(earlier->mruLists.size(), 2u);
    EXPECT_EQ(earlier->buildPage, "Win32 Debug");
    EXPECT_FALSE(earlier->statusBarVisible);
    for (std::int32_t unknown : {0, 3, -1}) { EXPECT_FALSE(markedAs(unknown)) << unknown; }
}

TEST(DockLayout, BytesOfAnotherKindOrDamagedGiveNothing)
{
    const Bytes good = EncodeDockLayout(SomeLayout());
    PropertyBag foreign;
    foreign.Write("Version", std::string("01.00.0001"), std::string());
    const std::vector<std::pair<const char*, Bytes>> cases = {
        {"empty", {}},
        {"truncated", Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2))},
        {"trailing byte",
         [&good] {
             Bytes bytes = good;
             bytes.push_back(0);
             return bytes;
         }()},
        {"another bag", foreign.ToBytes()},
        {"noise", Bytes(64, 0xA5)}};
    for (const auto& c : cases) { EXPECT_FALSE(DecodeDockLayout(c.second)) << c.first; }
}

TEST(DockLayout, ValuesOutOfRangeGiveNothing)
{
    const auto encodedWith = [](const char* key, std::int32_t value) {
        PropertyBag bag = PropertyBag::FromBytes(EncodeDockLayout(SomeLayout()));
        bag.Write(key, value, std::int32_t{-12345});
        return bag.ToBytes();
    };
    const std::vector<std::pair<const char*, std::int32_t>> cases = {
        {"Pane0.Side", 3},      {"Pane0.Side", -1},
        {"PaneCount", -1},      {"PaneCount", 1 << 30},
        {"PaneCount", 4},  // names a fourth pane that is not there
        {"Side.Left.Size", -5}, {"Side.Bottom.Size", 1 << 30},
        {"Mru0.Count", 11},     {"MruCount", 3}};
    for (const auto& c : cases) {
        EXPECT_FALSE(DecodeDockLayout(encodedWith(c.first, c.second))) << c.first << " = " << c.second;
    }
}

}  // namespace
