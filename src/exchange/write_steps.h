// The steps of the write dispatcher that act on the device.
#pragma once

#include <cstdint>

#include "entry/vpi_records.h"

namespace vpi {

// FSHOWWINDOW and FHIDESOURCE written as text.
int32_t ShowSourceWindow(VpiCall* call, const char* text);
int32_t HideSourceWindow(VpiCall* call, const char* text);

// The last step: the fifteen function names FMODE to FSOURCEINFO.
// `name` is the address text after its first character.
int32_t RunFunctionCommand(VpiCall* call, const VpiRequest* request, const char* name);

}  // namespace vpi
