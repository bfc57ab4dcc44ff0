// One run of a command path on a fresh station and a fresh simulated server,
// with at most one injected library failure, and what it left behind.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/driver_data.h"
#include "support/host_log.h"
#include "support/station.h"

namespace hardening {

// A path: what brings a cold-started station to its start, and the one slot
// call that is the path.
struct CommandPath {
  std::string name;
  std::function<void(vpitest::Station&)> setUp;
  std::function<int32_t(vpitest::Station&)> act;
};

struct TraceLine {
  std::string call;  // "NTRVHideVideo(1001)"
  std::string function;
  long result;
};

struct PathRun {
  int32_t result = 0;
  DriverData before{};  // the block when the path started
  DriverData after{};
  std::vector<TraceLine> trace;       // the library calls of the path itself
  std::vector<vpitest::LogLine> log;  // the lines the slots logged (level 32)
  int libraryCalls = 0;               // RvSimThreadCallCount over the path
  int openConnections = 0;
  std::string broken;  // invariants, guard bytes; empty when all hold
};

// Runs the path; when `failAt` > 0 the failAt-th library call of the path
// answers `failure` instead of doing its work.
PathRun RunPath(const CommandPath& path, int failAt = 0, int32_t failure = 0);

// The answers that count as a failure of `function`: -1 and 0 for an open,
// 0 for a close, 0 and 0x100 (low byte 0) for every other call.
std::vector<int32_t> FailuresOf(const std::string& function);

// "" when both blocks are equal, else the first field that differs.
std::string BlockDifference(const DriverData& expected, const DriverData& actual);

// Bookkeeping of a successful hide or motion, applied to an expected block.
void ExpectHidden(DriverData* block, int window);
void ExpectShown(DriverData* block, int window, const bool (&regions)[kRegionCount]);

}  // namespace hardening
