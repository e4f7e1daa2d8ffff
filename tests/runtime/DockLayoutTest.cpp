#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DockLayout.h"

namespace {

using kx::DockEdge;

std::string Describe(const kx::DockRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Each item takes its edge of what the earlier ones left; more than the room left gets what is left.
TEST(DockLayoutTest, ItemsTakeTheirEdgesInOrder) {
    const struct {
        const char* name;
        std::vector<kx::DockedItem> items;
        std::vector<std::string> places;
    } cases[] = {
        {"one of each",
         {{DockEdge::kTop, 0, 20}, {DockEdge::kBottom, 0, 10}, {DockEdge::kLeft, 30, 0}, {DockEdge::kRight, 40, 0}},
         {"0,0,200,20", "0,90,200,100", "0,20,30,90", "160,20,200,90"}},
        {"left before top", {{DockEdge::kLeft, 30, 5}, {DockEdge::kTop, 7, 20}}, {"0,0,30,100", "30,0,200,20"}},
        {"not docked", {{DockEdge::kNone, 30, 30}}, {"0,0,0,0"}},
        {"taller than the room", {{DockEdge::kTop, 0, 80}, {DockEdge::kBottom, 0, 80}}, {"0,0,200,80", "0,80,200,100"}},
        {"nothing left", {{DockEdge::kLeft, 500, 0}, {DockEdge::kRight, 10, 0}}, {"0,0,200,100", "200,0,200,100"}},
        {"negative sizes", {{DockEdge::kTop, 0, -5}}, {"0,0,200,0"}},
    };
    for (const auto& c : cases) {
        const auto places = kx::DockPlaces({0, 0, 200, 100}, c.items);
        ASSERT_EQ(places.size(), c.places.size()) << c.name;
        for (size_t i = 0; i < places.size(); ++i) EXPECT_EQ(Describe(places[i]), c.places[i]) << c.name << " " << i;
    }
}

TEST(DockLayoutTest, EdgesAreZeroToFour) {
    for (long value : {0L, 1L, 2L, 3L, 4L}) EXPECT_TRUE(kx::IsDockEdge(value)) << value;
    for (long value : {-1L, 5L, 100L}) EXPECT_FALSE(kx::IsDockEdge(value)) << value;
}

}  // namespace
