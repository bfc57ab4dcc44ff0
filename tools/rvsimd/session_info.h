// What the server shows of one client connection (for its log, the stats
// and the web wall).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rvsimd {

struct SessionInfo {
  uint32_t id = 0;               // also the owner of its windows
  std::string peer;              // "127.0.0.1:50312"
  std::vector<int32_t> handles;  // open handles, oldest first
  std::string lastCall;          // "" before the first request
  uint64_t callsServed = 0;
};

}  // namespace rvsimd
