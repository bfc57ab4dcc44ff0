// The video wall as the simulator holds it, with each window tied to the
// driver window that drives it (by its connection handle).
#pragma once

#include <string>
#include <vector>

#include "core/driver_data.h"
#include "core/host_limits.h"
#include "host_libraries.h"

namespace vpihost {

constexpr int kWallCapacity = 32;

struct WallWindow {
  RvSimWindow sim;
  std::string label;       // "W1".."W10" for a driver window, else "h<handle>"
  int driverRegions = -1;  // bit r: the driver's regionMap marks region r; -1 unknown
};

// The open connections' windows, in opening order. `data` (may be null) is
// the current station's block, which names the driver's windows.
std::vector<WallWindow> CollectWall(const SimulatorControls& sim, const DriverData* data);

// One line per window: state, source, placement, caption, picture settings
// and the regions the driver records for it.
std::string DescribeWallWindows(const std::vector<WallWindow>& windows);

}  // namespace vpihost
