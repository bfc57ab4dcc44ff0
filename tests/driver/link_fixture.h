// Shared pieces of the device link tests: a fresh simulator per test, the
// simulator's call trace split into calls, and the driver's own log lines.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/driver_data.h"
#include "core/vpi_records.h"
#include "rvideo-sim/rvsim.h"
#include "support/host_log.h"
#include "support/station.h"

namespace linktest {

struct TraceCall {
  std::string function;
  std::string arguments;
  long result;
};

inline std::vector<TraceCall> TraceCalls() {
  std::vector<TraceCall> calls;
  const std::string trace = RvSimTrace();
  size_t start = 0;
  while (start < trace.size()) {
    size_t end = trace.find('\n', start);
    if (end == std::string::npos) end = trace.size();
    const std::string line = trace.substr(start, end - start);
    const size_t open = line.find('(');
    const size_t close = line.rfind(") = ");
    if (open != std::string::npos && close != std::string::npos && close > open) {
      calls.push_back({line.substr(0, open), line.substr(open + 1, close - open - 1),
                       std::stol(line.substr(close + 4))});
    }
    start = end + 1;
  }
  return calls;
}

inline std::vector<std::string> TracedFunctions() {
  std::vector<std::string> names;
  for (const TraceCall& call : TraceCalls()) names.push_back(call.function);
  return names;
}

// The lines the slots log themselves (level 32); the entry point's level-8
// lines are left out.
inline std::vector<vpitest::LogLine> OwnLines(const vpitest::HostLogCapture& log) {
  std::vector<vpitest::LogLine> lines;
  for (const vpitest::LogLine& line : log.Lines()) {
    if (line.level != 8) lines.push_back(line);
  }
  return lines;
}

template <typename... Args>
vpitest::LogLine Detail(const char* format, Args... args) {
  char text[256];
  std::snprintf(text, sizeof text, format, args...);
  return {32, text};
}

// A copy of a block field: the block is packed, so its fields are compared
// by value, never bound to a reference.
template <typename T>
T Value(T field) {
  return field;
}

constexpr const char kTitle[] = "Vivuz Video System(VTR)";

inline std::vector<int32_t> OpenSlots(const DriverData& data) {
  return std::vector<int32_t>(data.connections, data.connections + kOpenConnections);
}

class LinkTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(RvSimConfigure(nullptr), 0); }
  // The station cold-started against the simulator, with the trace cleared.
  void ColdStarted(vpitest::Station& station) {
    ASSERT_EQ(station.ColdStart(), VPI_OK);
    RvSimClearTrace();
  }
};

}  // namespace linktest
