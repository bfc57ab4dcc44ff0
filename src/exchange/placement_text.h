// The FSHOWWINDOW read-back: the staged source's name, placement and caption
// as "(name,x,y,width,height,zOrder,caption)".
#pragma once

#include <cstddef>

#include "core/driver_data.h"

namespace vpi {

constexpr size_t kPlacementTextSize = 50;  // at most 49 characters and the NUL

// Writes the text into `out` (kPlacementTextSize bytes) only when it is
// complete; false, `out` untouched, when the staged source is not one of the
// loaded records or the text would be longer than 49 characters.
bool BuildPlacementText(const DriverData* data, char* out);

}  // namespace vpi
