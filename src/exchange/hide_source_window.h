// FHIDESOURCE written as text: hide the named source's window.
#pragma once

#include <cstdint>

#include "core/vpi_records.h"

namespace vpi {

int32_t HideSourceWindow(VpiCall* call, const char* text);

}  // namespace vpi
