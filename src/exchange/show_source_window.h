// FSHOWWINDOW written as text: show a named source at a place in one step.
#pragma once

#include <cstdint>

#include "core/vpi_records.h"

namespace vpi {

int32_t ShowSourceWindow(VpiCall* call, const char* text);

}  // namespace vpi
