// The one simulator of the process: server, faults, trace and counters under
// one lock, and the gate every library call passes through.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <mutex>
#include <string>

#include "call_trace.h"
#include "fault_rules.h"
#include "video_server.h"

namespace rvsim {

struct Simulator {
  VideoServer server;
  FaultRules faults;
  CallTrace trace;
  int callCount = 0;
  int badHandleCalls = 0;
  std::string configError;
  bool tracing = true;  // kept across configurations
};

std::mutex& SimulatorMutex();

// The library calls the calling thread has made, ever (no lock needed).
int& ThreadCallCount();

// The process's simulator; the caller holds SimulatorMutex(). The first use
// configures it from the file named by RVSIM_CONFIG, or the built-in default.
Simulator& TheSimulator();

// Replaces the server with `text` (null: the built-in default) and clears
// connections, faults, counters and the trace. On a malformed text the
// default is used, `configError` says why, and the result is false.
bool Configure(Simulator& sim, const char* text);

// "1,2,3": the numeric arguments of a call as the trace shows them.
std::string Numbers(std::initializer_list<long long> values);

// Adds the trace line of a call when tracing is on; `arguments()` builds its
// argument text only then, so an untraced call makes no text at all.
template <typename Arguments>
void TraceCall(Simulator& sim, const char* function, Arguments arguments, int32_t result) {
  if (sim.tracing) sim.trace.Add(function, arguments(), result);
}

// One library call that names no connection: counted, faulted or served by
// `work(sim)`, then traced.
template <typename Arguments, typename Work>
int32_t ServeCall(const char* function, Arguments arguments, Work work) {
  std::lock_guard<std::mutex> lock(SimulatorMutex());
  Simulator& sim = TheSimulator();
  ++sim.callCount;
  ++ThreadCallCount();
  int32_t result = 0;
  if (!sim.faults.Check(function, &result)) result = work(sim);
  TraceCall(sim, function, arguments, result);
  return result;
}

// One library call on a connection: a handle that is not open is counted as
// a bad handle and fails with 0; otherwise `work(sim, window)` serves it.
template <typename Arguments, typename Work>
int32_t ServeWindowCall(const char* function, int32_t handle, Arguments arguments, Work work) {
  std::lock_guard<std::mutex> lock(SimulatorMutex());
  Simulator& sim = TheSimulator();
  ++sim.callCount;
  ++ThreadCallCount();
  RvSimWindow* window = sim.server.Window(handle);
  if (window == nullptr) ++sim.badHandleCalls;
  int32_t result = 0;
  if (!sim.faults.Check(function, &result) && window != nullptr) result = work(sim, *window);
  TraceCall(sim, function, arguments, result);
  return result;
}

}  // namespace rvsim
