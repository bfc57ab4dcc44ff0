// Slot 7: the single write.
#pragma once

#include <cstdint>

#include "core/vpi_records.h"

namespace vpi {

int32_t SingleWrite(VpiCall* call);

}  // namespace vpi
