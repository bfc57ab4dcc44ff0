#include "sim_controls.h"

namespace rvsim {
namespace {

using Lock = std::lock_guard<std::mutex>;

}  // namespace

bool ConfigureLocked(Simulator& sim, const char* text, std::string* error) {
  Lock lock(sim.mutex);
  const bool ok = Configure(sim, text);
  *error = sim.configError;
  return ok;
}

void AddFault(Simulator& sim, const FaultSpec& fault) {
  Lock lock(sim.mutex);
  sim.faults.Add(fault);
  ++sim.revision;
}

void ClearFaults(Simulator& sim) {
  Lock lock(sim.mutex);
  sim.faults.Clear();
  ++sim.revision;
}

void ClearTrace(Simulator& sim) {
  Lock lock(sim.mutex);
  sim.trace.Clear();
  ++sim.revision;
}

void SetTracing(Simulator& sim, bool on) {
  Lock lock(sim.mutex);
  if (sim.tracing != on) ++sim.revision;
  sim.tracing = on;
}

SimStats Stats(Simulator& sim) {
  Lock lock(sim.mutex);
  return {sim.callCount, sim.badHandleCalls, sim.server.OpenCount(), sim.tracing, sim.revision};
}

std::string TraceSlice(Simulator& sim, size_t offset, size_t max, size_t* total) {
  Lock lock(sim.mutex);
  const std::string& text = sim.trace.Text();
  *total = text.size();
  if (offset >= text.size()) return std::string();
  return text.substr(offset, max);
}

std::vector<int32_t> HandlesOf(Simulator& sim, Owner owner) {
  Lock lock(sim.mutex);
  return sim.server.HandlesOf(owner);
}

std::vector<RvSimWindow> WallSnapshot(Simulator& sim, uint64_t* revision) {
  Lock lock(sim.mutex);
  std::vector<RvSimWindow> windows(static_cast<size_t>(sim.server.OpenCount()));
  sim.server.Wall(windows.data(), static_cast<int>(windows.size()));
  *revision = sim.revision;
  return windows;
}

std::vector<FaultSpec> FaultList(Simulator& sim) {
  Lock lock(sim.mutex);
  return sim.faults.Specs();
}

ServerConfig CurrentConfig(Simulator& sim) {
  Lock lock(sim.mutex);
  return sim.server.Config();
}

void ConfigureWithLocked(Simulator& sim, const ServerConfig& config) {
  Lock lock(sim.mutex);
  ConfigureWith(sim, config);
}

std::vector<TraceLine> TraceSince(Simulator& sim, uint64_t since, size_t max, uint64_t* next) {
  Lock lock(sim.mutex);
  *next = sim.trace.NextSeq();
  return sim.trace.LinesSince(since, max);
}

}  // namespace rvsim
