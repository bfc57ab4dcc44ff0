// Slot 5: the single read.
#pragma once

#include <cstdint>

#include "core/vpi_records.h"

namespace vpi {

int32_t SingleRead(VpiCall* call);

}  // namespace vpi
