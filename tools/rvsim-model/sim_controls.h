// The controls of a simulator that are not library calls: configuration,
// faults, trace, counters and the wall. Each takes the simulator's lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "simulator.h"

namespace rvsim {

struct SimStats {
  int callCount;
  int badHandleCalls;
  int openWindows;
  bool tracing;
  uint64_t revision;
};

// Configure under the lock; on a refused text `error` says which line.
bool ConfigureLocked(Simulator& sim, const char* text, std::string* error);
void AddFault(Simulator& sim, const FaultSpec& fault);
void ClearFaults(Simulator& sim);
void ClearTrace(Simulator& sim);
void SetTracing(Simulator& sim, bool on);
SimStats Stats(Simulator& sim);

// At most `max` bytes of the trace from `offset`; `total` gets its whole size.
std::string TraceSlice(Simulator& sim, size_t offset, size_t max, size_t* total);

// The handles `owner` holds, oldest first.
std::vector<int32_t> HandlesOf(Simulator& sim, Owner owner);

// The open windows, oldest first, and the revision they belong to.
std::vector<RvSimWindow> WallSnapshot(Simulator& sim, uint64_t* revision);

// The fault rules standing and the configuration in force.
std::vector<FaultSpec> FaultList(Simulator& sim);
ServerConfig CurrentConfig(Simulator& sim);
// ConfigureWith under the lock.
void ConfigureWithLocked(Simulator& sim, const ServerConfig& config);

// Up to `max` trace lines numbered `since` on, oldest first; `next` gets the
// number the next line will have.
std::vector<TraceLine> TraceSince(Simulator& sim, uint64_t since, size_t max, uint64_t* next);

}  // namespace rvsim
