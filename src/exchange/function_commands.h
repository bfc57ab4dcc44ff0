// The last step of a write: the fifteen function commands, FMODE to
// FSOURCEINFO, that send staged values to the device.
#pragma once

#include <cstdint>

#include "core/vpi_records.h"

namespace vpi {

// The function name at `command` (0 to 14) of the fifteen.
int32_t RunFunctionCommand(VpiCall* call, const VpiRequest* request, int command);

}  // namespace vpi
