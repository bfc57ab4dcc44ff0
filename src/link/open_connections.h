// Opening the six connections and loading the source list.
#pragma once

#include "core/driver_data.h"

namespace vpi {

// After the six connections are in slots 0 to 5: asks connections[0] for the
// source count and the records, at most kSourceRecords of them.
void LoadSources(DriverData* data);

// Ends an open sequence that stored `opened` new handles in slots 0 onwards:
// when `opened` equals `wanted` the station is connected with that many and
// its sources are loaded; otherwise the new handles are closed again.
void CompleteOpen(DriverData* data, int opened, int wanted);

}  // namespace vpi
