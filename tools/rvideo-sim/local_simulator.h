// The one simulator of the process behind the library's exports.
#pragma once

#include "simulator.h"

namespace rvsim {

// The first use configures it from the file named by RVSIM_CONFIG, or the
// built-in default; a file that cannot be used is reported on standard error.
Simulator& TheSimulator();

}  // namespace rvsim
