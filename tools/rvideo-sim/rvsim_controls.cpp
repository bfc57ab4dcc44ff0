// The controls that tests and the host console use to set up and watch the
// process's simulated server.
#include <mutex>

#include "local_simulator.h"
#include "rvsim.h"
#include "sim_controls.h"

namespace {

using Lock = std::lock_guard<std::mutex>;
using rvsim::TheSimulator;

}  // namespace

extern "C" {

int RvSimConfigure(const char* config) {
  std::string error;
  return rvsim::ConfigureLocked(TheSimulator(), config, &error) ? 0 : -1;
}

const char* RvSimConfigError(void) {
  rvsim::Simulator& sim = TheSimulator();
  Lock lock(sim.mutex);
  return sim.configError.c_str();
}

void RvSimAddFault(const char* function, int from, int count, int32_t result) {
  if (function == nullptr) return;
  rvsim::AddFault(TheSimulator(), {function, from, count, result});
}

void RvSimClearFaults(void) {
  rvsim::ClearFaults(TheSimulator());
}

const char* RvSimTrace(void) {
  rvsim::Simulator& sim = TheSimulator();
  Lock lock(sim.mutex);
  return sim.trace.Text().c_str();
}

void RvSimClearTrace(void) {
  rvsim::ClearTrace(TheSimulator());
}

void RvSimSetTracing(int on) {
  rvsim::SetTracing(TheSimulator(), on != 0);
}

int RvSimCallCount(void) {
  return rvsim::Stats(TheSimulator()).callCount;
}

int RvSimBadHandleCalls(void) {
  return rvsim::Stats(TheSimulator()).badHandleCalls;
}

int RvSimOpenConnections(void) {
  return rvsim::Stats(TheSimulator()).openWindows;
}

int RvSimWall(RvSimWindow* windows, int capacity) {
  rvsim::Simulator& sim = TheSimulator();
  Lock lock(sim.mutex);
  return sim.server.Wall(windows, capacity);
}

}  // extern "C"
