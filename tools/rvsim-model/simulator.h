// A simulated video server with its faults, trace and counters under one
// lock, and the gate every library call passes through.
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
  std::mutex mutex;  // held for every member below
  VideoServer server;
  FaultRules faults;
  CallTrace trace;
  int callCount = 0;
  int badHandleCalls = 0;
  std::string configError;
  bool tracing = true;  // kept across configurations
  // Bumped on every change of the wall (connections and their windows), the
  // configuration, the fault rules, the tracing switch and a cleared trace;
  // not by calls that change nothing. Watchers compare it to coalesce.
  uint64_t revision = 0;
};

// The library calls the calling thread has made, ever (no lock needed).
int& ThreadCallCount();

// Replaces the server with `text` (null: the built-in default) and clears
// connections, faults, counters and the trace. On a malformed text the
// default is used, `configError` says why, and the result is false. The
// caller holds sim.mutex.
bool Configure(Simulator& sim, const char* text);

// Replaces the server with `config` (already read) as Configure does. The
// caller holds sim.mutex.
void ConfigureWith(Simulator& sim, const ServerConfig& config);

// Configures from the file at `path` (at most 1 MiB) as Configure does; an
// unreadable file leaves the default with "cannot read PATH" in `configError`.
// The caller holds sim.mutex.
bool ConfigureFromFile(Simulator& sim, const char* path);

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
int32_t ServeCall(Simulator& sim, const char* function, Arguments arguments, Work work) {
  std::lock_guard<std::mutex> lock(sim.mutex);
  ++sim.callCount;
  ++ThreadCallCount();
  int32_t result = 0;
  if (!sim.faults.Check(function, &result)) result = work(sim);
  TraceCall(sim, function, arguments, result);
  return result;
}

// One library call on a connection: a handle that is not open for `owner` is
// counted as a bad handle and fails with 0; otherwise `work(sim, window)`
// serves it. A window that changed (or went) bumps the revision.
template <typename Arguments, typename Work>
int32_t ServeWindowCall(Simulator& sim, Owner owner, const char* function, int32_t handle,
                        Arguments arguments, Work work) {
  std::lock_guard<std::mutex> lock(sim.mutex);
  ++sim.callCount;
  ++ThreadCallCount();
  RvSimWindow* window = sim.server.Window(handle, owner);
  if (window == nullptr) ++sim.badHandleCalls;
  int32_t result = 0;
  if (!sim.faults.Check(function, &result) && window != nullptr) {
    const RvSimWindow before = *window;
    result = work(sim, *window);
    const RvSimWindow* after = sim.server.Window(handle, owner);
    if (after == nullptr || !SameWindow(before, *after)) ++sim.revision;
  }
  TraceCall(sim, function, arguments, result);
  return result;
}

}  // namespace rvsim
