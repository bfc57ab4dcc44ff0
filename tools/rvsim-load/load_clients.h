// N client connections, each on its own thread, sending one request frame and
// waiting for one frame back, in a loop, for a given time.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace rvsimload {

struct LoadResult {
  uint64_t calls = 0;
  double seconds = 0;
  double p50Micros = 0;
  double p99Micros = 0;
  uint64_t errors = 0;  // answers that were not the expected result
  double CallsPerSecond() const { return seconds > 0 ? static_cast<double>(calls) / seconds : 0; }
};

// What a client does before its loop and the frame it sends each time.
enum class Workload {
  kEcho,    // the frame as it is, answered by any echo
  kServer,  // hello, open a window, then a call on it; answers checked
};

// Runs `connections` clients against 127.0.0.1:`port` for `duration`.
LoadResult RunLoad(uint16_t port, int connections, Workload workload,
                   std::chrono::milliseconds duration);

}  // namespace rvsimload
