// Cold start with a chosen video library file; the slot uses the platform's.
#pragma once

#include <cstdint>

#include "core/vpi_records.h"

namespace vpi {

int32_t ColdStartWithLibrary(VpiCall* call, const char* libraryName);

}  // namespace vpi
