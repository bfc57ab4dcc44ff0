// The built driver library, loaded by file name as a host loads it.
#pragma once

#include "core/vpi_records.h"

namespace vpitest {

using VpiMainFn = int32_t(VPI_STDCALL*)(VpiCall*);

// VpiMain of the driver library beside the test; aborts when it is missing.
VpiMainFn DriverEntry();

}  // namespace vpitest
