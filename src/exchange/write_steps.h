// The steps of the write dispatcher that act on the device.
#pragma once

#include <cstdint>

#include "core/vpi_records.h"

namespace vpi {

// FSHOWWINDOW and FHIDESOURCE written as text.
int32_t ShowSourceWindow(VpiCall* call, const char* text);
int32_t HideSourceWindow(VpiCall* call, const char* text);

// The last step: the function name at `command` (0 to 14) of the fifteen,
// FMODE to FSOURCEINFO.
int32_t RunFunctionCommand(VpiCall* call, const VpiRequest* request, int command);

}  // namespace vpi
