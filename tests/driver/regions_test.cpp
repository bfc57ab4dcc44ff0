#include "exchange/regions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using vpi::ComputeCoveredRegions;
using vpi::FindRegionHolder;

std::vector<int> Covered(int16_t x, int16_t y, int16_t width, int16_t height) {
  const vpi::RegionFlags flags = ComputeCoveredRegions(x, y, width, height);
  std::vector<int> regions;
  for (int r = 0; r < kRegionCount; ++r) {
    if (flags.covered[r]) regions.push_back(r);
  }
  return regions;
}

using Regions = std::vector<int>;

TEST(ScreenRegions, FarEdgesDivideBy641And481) {
  EXPECT_EQ(Covered(0, 0, 640, 480), Regions({0}));
  EXPECT_EQ(Covered(0, 0, 1282, 481), Regions({0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(Covered(700, 100, 100, 100), Regions({1}));
  EXPECT_EQ(Covered(0, 0, 1281, 100), Regions({0, 1}));
  EXPECT_EQ(Covered(0, 0, 1282, 100), Regions({0, 1, 2}));
  EXPECT_EQ(Covered(320, 0, 640, 480), Regions({0, 1}));
  EXPECT_EQ(Covered(640, 480, 100, 100), Regions({4}));
}

TEST(ScreenRegions, EndBeforeStartCoversNothing) {
  EXPECT_EQ(Covered(700, 100, -100, 100), Regions());
  EXPECT_EQ(Covered(700, 600, 100, -200), Regions());
}

TEST(ScreenRegions, DivisionTruncatesTowardZero) {
  // -100 / 640 is column 0, not -1.
  EXPECT_EQ(Covered(-100, -100, 200, 200), Regions({0}));
}

TEST(ScreenRegions, RectanglesBeyondTheWallAreClipped) {
  // Last column 5 and last row 3 are cut to the wall; nothing wraps into
  // the next row's regions.
  EXPECT_EQ(Covered(1280, 0, 2000, 100), Regions({2}));
  EXPECT_EQ(Covered(0, 500, 100, 1500), Regions({3}));
  EXPECT_EQ(Covered(-700, -500, 800, 600), Regions({0}));
  EXPECT_EQ(Covered(0, 0, 32767, 32767), Regions({0, 1, 2, 3, 4, 5}));
  // Entirely off the wall.
  EXPECT_EQ(Covered(2000, 0, 100, 100), Regions());
  EXPECT_EQ(Covered(0, 1000, 100, 100), Regions());
  EXPECT_EQ(Covered(-2000, 0, 100, 100), Regions());
  EXPECT_EQ(Covered(-32768, -32768, -32768, -32768), Regions());
}

TEST(ScreenRegions, HolderIsTheLowestWindowWithAnOpenConnection) {
  DriverData data{};
  EXPECT_EQ(FindRegionHolder(&data, 2), -1);
  data.regionMap[8][2] = 1;
  data.connections[8] = 55;
  data.regionMap[4][2] = 1;  // connection not open: no holder
  EXPECT_EQ(FindRegionHolder(&data, 2), 8);
  data.regionMap[3][2] = 1;
  data.connections[3] = 77;
  EXPECT_EQ(FindRegionHolder(&data, 2), 3);
  EXPECT_EQ(FindRegionHolder(&data, 1), -1);
  EXPECT_EQ(FindRegionHolder(&data, 6), -1);
  EXPECT_EQ(FindRegionHolder(&data, -1), -1);
}

}  // namespace
