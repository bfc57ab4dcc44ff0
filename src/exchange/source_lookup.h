// Finding the stored source records by name and by index.
#pragma once

#include "core/driver_data.h"

namespace vpi {

// True when `source` indexes one of the records the library filled (below
// numSources and within the block's ten records).
bool SourceStored(const DriverData* data, int source);

// Lowest index of a stored record whose name equals `name` byte for byte;
// -1 when none does.
int FindSourceByName(const DriverData* data, const char* name);

}  // namespace vpi
