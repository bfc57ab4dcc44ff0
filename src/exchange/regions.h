// The six-region screen map (3 columns by 2 rows of 640 x 480) and the
// block's record of which windows are shown and which regions they hold.
#pragma once

#include <cstdint>

#include "core/driver_data.h"

namespace vpi {

struct RegionFlags {
  bool covered[kRegionCount];
};

RegionFlags ComputeCoveredRegions(int16_t x, int16_t y, int16_t width, int16_t height);

// Lowest window (0 to 9) whose row marks `region` and whose connection is
// open; -1 when none.
int FindRegionHolder(const DriverData* data, int region);

// Hides the holders of the flagged regions; false when the library refused a
// hide (lastResult is then 0 and windows hidden before stay hidden).
bool ClearCoveredRegions(DriverData* data, const RegionFlags& flags);

// After a successful motion call: the window shows video and holds `flags`.
void MarkWindowShown(DriverData* data, int window, const RegionFlags& flags);

// After a successful hide call: the window is hidden and holds no region.
void MarkWindowHidden(DriverData* data, int window);

}  // namespace vpi
