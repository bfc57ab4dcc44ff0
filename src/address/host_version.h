// The host's version, asked through a short-lived host client.
#pragma once

#include <cstdint>

namespace vpi {

// The host's version; 0 when no host client could be made.
uint16_t QueryHostVersion();

}  // namespace vpi
