// Closing connections.
#pragma once

#include "core/driver_data.h"

namespace vpi {

// Closes the handles in slots 0 to `count` - 1 that are not counted as open
// (left by an incomplete open or an interrupted close), so that none is lost
// by being overwritten. A slot is cleared once its handle is closed; one whose
// close fails keeps its handle.
void CloseUncountedHandles(DriverData* data, int count);

// Number of slots below `numConnections` that may be looked at: never past
// the table, and none when the count is negative.
int CountedSlots(const DriverData* data);

}  // namespace vpi
