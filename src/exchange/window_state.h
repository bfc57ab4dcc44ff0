// Bookkeeping of shown windows and the regions they hold.
#pragma once

#include "core/driver_data.h"
#include "exchange/regions.h"

namespace vpi {

// After a successful motion call: the window shows video and holds `flags`.
void MarkWindowShown(DriverData* data, int window, const RegionFlags& flags);

// After a successful hide call: the window is hidden and holds no region.
void MarkWindowHidden(DriverData* data, int window);

}  // namespace vpi
