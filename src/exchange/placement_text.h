// The FSHOWWINDOW read-back: the staged source's name, placement and caption
// as "(name,x,y,width,height,zOrder,caption)".
#pragma once

#include <cstddef>

#include "core/driver_data.h"
#include "core/host_limits.h"

namespace vpi {

// Writes the text into `out` (kHostTextSize bytes) only when it is
// complete; false, `out` untouched, when the staged source is not one of the
// loaded records or the text would be longer than 49 characters.
bool BuildPlacementText(const DriverData* data, char* out);

}  // namespace vpi
