// Slot 3: the address parser.
#pragma once

#include <cstdint>

#include "core/vpi_records.h"

namespace vpi {

int32_t SingleParser(VpiCall* call);

}  // namespace vpi
