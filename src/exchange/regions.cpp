#include "exchange/regions.h"

#include "core/host_limits.h"
#include "exchange/window_call.h"

namespace vpi {

namespace {

int Clamp(int value, int low, int high) {
  return value < low ? low : (value > high ? high : value);
}

}  // namespace

// The first column and row divide the near edge by the region size, the
// last ones divide the far edge by the region size plus one, all truncating
// toward zero. A rectangle may reach beyond the wall (a last column above 2,
// a last row above 1, a first one below 0): only the part of the computed
// ranges that lies on the wall is flagged, so a range entirely off the wall
// flags nothing and no column spills into the next row's regions.
RegionFlags ComputeCoveredRegions(int16_t x, int16_t y, int16_t width, int16_t height) {
  RegionFlags flags{};
  const int firstColumn = Clamp(int{x} / kRegionWidth, 0, kWallColumns);
  const int firstRow = Clamp(int{y} / kRegionHeight, 0, kWallRows);
  const int lastColumn = Clamp((int{x} + width) / (kRegionWidth + 1), -1, kWallColumns - 1);
  const int lastRow = Clamp((int{y} + height) / (kRegionHeight + 1), -1, kWallRows - 1);
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int column = firstColumn; column <= lastColumn; ++column) {
      flags.covered[column + kWallColumns * row] = true;
    }
  }
  return flags;
}

int FindRegionHolder(const DriverData* data, int region) {
  if (region < 0 || region >= kRegionCount) return -1;
  for (int window = 0; window < kWindowRows; ++window) {
    if (data->regionMap[window][region] == 1 && data->connections[window] != 0) return window;
  }
  return -1;
}

bool ClearCoveredRegions(DriverData* data, const RegionFlags& flags) {
  for (int region = 0; region < kRegionCount; ++region) {
    if (!flags.covered[region]) continue;
    const int holder = FindRegionHolder(data, region);
    if (holder < 0) continue;
    if (!RecordOutcome(data, data->HideVideo(data->connections[holder]))) return false;
    MarkWindowHidden(data, holder);
  }
  return true;
}

void MarkWindowShown(DriverData* data, int window, const RegionFlags& flags) {
  data->windowShown[window] = 1;
  for (int r = 0; r < kRegionCount; ++r) data->regionMap[window][r] = flags.covered[r] ? 1 : 0;
}

void MarkWindowHidden(DriverData* data, int window) {
  data->windowShown[window] = 0;
  for (int r = 0; r < kRegionCount; ++r) data->regionMap[window][r] = 0;
}

}  // namespace vpi
