// The window a device command acts on, and how a library call's answer is
// recorded in the block.
#pragma once

#include <cstdint>

#include "core/driver_data.h"

namespace vpi {

// True when `window` has an opened connection (0 to 5).
bool WindowHasConnection(int window);

// True when the staged `window` has an opened connection.
bool StagedWindowUsable(const DriverData* data);

// The connection that carries the staged window; StagedWindowUsable first.
int32_t StagedConnection(const DriverData* data);

// Records a library call's answer in lastResult (1 success, 0 failure) and
// returns whether it succeeded.
bool RecordOutcome(DriverData* data, int32_t answer);

// VPI_OK or VPI_FAILED for a library call's answer, recorded as above.
int32_t FinishCall(DriverData* data, int32_t answer);

}  // namespace vpi
