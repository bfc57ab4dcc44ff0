// Slot 2: the warm start.
#pragma once

#include <cstdint>

#include "core/vpi_records.h"

namespace vpi {

int32_t WarmStart(VpiCall* call);

}  // namespace vpi
