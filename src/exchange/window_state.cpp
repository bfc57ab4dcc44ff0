#include "exchange/window_state.h"

namespace vpi {

void MarkWindowShown(DriverData* data, int window, const RegionFlags& flags) {
  data->windowShown[window] = 1;
  for (int r = 0; r < kRegionCount; ++r) data->regionMap[window][r] = flags.covered[r] ? 1 : 0;
}

void MarkWindowHidden(DriverData* data, int window) {
  data->windowShown[window] = 0;
  for (int r = 0; r < kRegionCount; ++r) data->regionMap[window][r] = 0;
}

}  // namespace vpi
