// Cold start with a chosen video library file; the slot uses the platform's.
#pragma once

#include <cstdint>

#include "core/vpi_records.h"

namespace vpi {

// Slot 1: the cold start.
int32_t ColdStart(VpiCall* call);

int32_t ColdStartWithLibrary(VpiCall* call, const char* libraryName);

}  // namespace vpi
