// Slot 16: the address browser.
#pragma once

#include <cstdint>

#include "core/vpi_records.h"

namespace vpi {

int32_t BrowseAddress(VpiCall* call);

}  // namespace vpi
