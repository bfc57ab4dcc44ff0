// The controls that tests and the host console use to set up and watch the
// simulated server.
#include <mutex>

#include "rvsim.h"
#include "simulator.h"

namespace {

using Lock = std::lock_guard<std::mutex>;

}  // namespace

extern "C" {

int RvSimConfigure(const char* config) {
  Lock lock(rvsim::SimulatorMutex());
  return rvsim::Configure(rvsim::TheSimulator(), config) ? 0 : -1;
}

const char* RvSimConfigError(void) {
  Lock lock(rvsim::SimulatorMutex());
  return rvsim::TheSimulator().configError.c_str();
}

void RvSimAddFault(const char* function, int from, int count, int32_t result) {
  if (function == nullptr) return;
  Lock lock(rvsim::SimulatorMutex());
  rvsim::TheSimulator().faults.Add({function, from, count, result});
}

void RvSimAddRandomFault(const char* function, int perMillion, int32_t result) {
  if (function == nullptr) return;
  Lock lock(rvsim::SimulatorMutex());
  rvsim::TheSimulator().faults.AddRandom(function, perMillion, result);
}

void RvSimClearFaults(void) {
  Lock lock(rvsim::SimulatorMutex());
  rvsim::TheSimulator().faults.Clear();
}

const char* RvSimTrace(void) {
  Lock lock(rvsim::SimulatorMutex());
  return rvsim::TheSimulator().trace.Text().c_str();
}

void RvSimClearTrace(void) {
  Lock lock(rvsim::SimulatorMutex());
  rvsim::TheSimulator().trace.Clear();
}

void RvSimSetTracing(int on) {
  Lock lock(rvsim::SimulatorMutex());
  rvsim::TheSimulator().tracing = on != 0;
}

int RvSimCallCount(void) {
  Lock lock(rvsim::SimulatorMutex());
  return rvsim::TheSimulator().callCount;
}

int RvSimThreadCallCount(void) {
  return rvsim::ThreadCallCount();
}

int RvSimBadHandleCalls(void) {
  Lock lock(rvsim::SimulatorMutex());
  return rvsim::TheSimulator().badHandleCalls;
}

int RvSimOpenConnections(void) {
  Lock lock(rvsim::SimulatorMutex());
  return rvsim::TheSimulator().server.OpenCount();
}

int RvSimWall(RvSimWindow* windows, int capacity) {
  Lock lock(rvsim::SimulatorMutex());
  return rvsim::TheSimulator().server.Wall(windows, capacity);
}

}  // extern "C"
