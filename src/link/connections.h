// Binding state and the connections to the video server.
#pragma once

#include <cstdint>

#include "core/driver_data.h"
#include "core/vpi_records.h"

namespace vpi {

// True when all eighteen library functions are bound in the block. A failed
// cold start leaves the block unbound, and nothing calls the library then.
bool LibraryBound(const DriverData* data);

// Run first by the read and write slots: VPI_FAILED when the library is not
// bound or the lazy open fails (it logs its own line); VPI_OK when the six
// connections are open, opening them if `connected` is 0.
int32_t EnsureConnected(DriverData* data);

// Number of source records held in `sources`: the server's count, at most
// kSourceRecords. `numSources` itself keeps the count the server reported.
int StoredSourceCount(const DriverData* data);

}  // namespace vpi
