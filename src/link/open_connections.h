// Opening the six connections and loading the source list.
#pragma once

#include <cstdint>

#include "core/driver_data.h"
#include "core/vpi_records.h"

namespace vpi {

// After the six connections are in slots 0 to 5: asks connections[0] for the
// source count and the records, at most kSourceRecords of them.
void LoadSources(DriverData* data);

// Ends an open sequence that stored `opened` new handles in slots 0 onwards:
// when `opened` equals `wanted` the station is connected with that many and
// its sources are loaded; otherwise the new handles are closed again.
void CompleteOpen(DriverData* data, int opened, int wanted);

// Run first by the read and write slots: VPI_FAILED when the library is not
// bound or the lazy open fails (it logs its own line); VPI_OK when the six
// connections are open, opening them if `connected` is 0.
int32_t EnsureConnected(DriverData* data);

// Number of source records held in `sources`: the server's count, at most
// kSourceRecords. `numSources` itself keeps the count the server reported.
int StoredSourceCount(const DriverData* data);

}  // namespace vpi
