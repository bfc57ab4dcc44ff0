// Closing connections.
#pragma once

#include <cstdint>

#include "core/driver_data.h"
#include "core/vpi_records.h"

namespace vpi {

// Closes the handles in slots 0 to `count` - 1 that are not counted as open
// (left by an incomplete open or an interrupted close), so that none is lost
// by being overwritten. A slot is cleared once its handle is closed; one whose
// close fails keeps its handle.
void CloseUncountedHandles(DriverData* data, int count);

// Number of slots below `numConnections` that may be looked at: never past
// the table, and none when the count is negative.
int CountedSlots(const DriverData* data);

// Slot 12: closes every open connection of the station.
int32_t ClosePorts(VpiCall* call);

// Slot 11: ClosePorts with a log line when it fails.
int32_t CloseComm(VpiCall* call);

}  // namespace vpi
