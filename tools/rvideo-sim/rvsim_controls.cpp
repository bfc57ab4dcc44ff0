// The controls that tests and the host console use to set up and watch the
// process's simulated server, or the network server RvSimUseServer aimed
// them at.
#include <mutex>

#include "local_simulator.h"
#include "remote_controls.h"
#include "rvsim.h"
#include "server_route.h"
#include "sim_controls.h"

namespace {

using Lock = std::lock_guard<std::mutex>;
using rvsim::TheSimulator;

rvsim::RemoteControls& Remote() {
  return rvsim::TheRemoteControls();
}

// A count of the network server, -1 when it does not answer.
template <typename Field>
int RemoteCount(Field field) {
  rvproto::StatsAnswer stats;
  return Remote().Stats(&stats) ? static_cast<int>(stats.*field) : -1;
}

}  // namespace

extern "C" {

int RvSimConfigure(const char* config) {
  if (Remote().Active()) return Remote().Configure(config);
  std::string error;
  return rvsim::ConfigureLocked(TheSimulator(), config, &error) ? 0 : -1;
}

const char* RvSimConfigError(void) {
  if (Remote().Active()) return Remote().ConfigError();
  rvsim::Simulator& sim = TheSimulator();
  Lock lock(sim.mutex);
  return sim.configError.c_str();
}

void RvSimAddFault(const char* function, int from, int count, int32_t result) {
  if (function == nullptr) return;
  if (Remote().Active()) return Remote().AddFault(function, from, count, result);
  rvsim::AddFault(TheSimulator(), {function, from, count, result});
}

void RvSimAddRandomFault(const char* function, int perMillion, int32_t result) {
  if (function == nullptr) return;
  rvsim::Simulator& sim = TheSimulator();
  Lock lock(sim.mutex);
  sim.faults.AddRandom(function, perMillion, result);
  ++sim.revision;
}

void RvSimClearFaults(void) {
  if (Remote().Active()) return Remote().ClearFaults();
  rvsim::ClearFaults(TheSimulator());
}

const char* RvSimTrace(void) {
  if (Remote().Active()) return Remote().Trace();
  rvsim::Simulator& sim = TheSimulator();
  Lock lock(sim.mutex);
  return sim.trace.Text().c_str();
}

void RvSimClearTrace(void) {
  if (Remote().Active()) return Remote().ClearTrace();
  rvsim::ClearTrace(TheSimulator());
}

void RvSimSetTracing(int on) {
  if (Remote().Active()) return Remote().SetTracing(on != 0);
  rvsim::SetTracing(TheSimulator(), on != 0);
}

int RvSimCallCount(void) {
  if (Remote().Active()) return RemoteCount(&rvproto::StatsAnswer::callCount);
  return rvsim::Stats(TheSimulator()).callCount;
}

int RvSimThreadCallCount(void) {
  return rvsim::ThreadCallCount();
}

int RvSimBadHandleCalls(void) {
  if (Remote().Active()) return RemoteCount(&rvproto::StatsAnswer::badHandleCalls);
  return rvsim::Stats(TheSimulator()).badHandleCalls;
}

int RvSimOpenConnections(void) {
  if (Remote().Active()) return RemoteCount(&rvproto::StatsAnswer::openWindows);
  return rvsim::Stats(TheSimulator()).openWindows;
}

int RvSimWall(RvSimWindow* windows, int capacity) {
  if (Remote().Active()) return Remote().Wall(windows, capacity);
  rvsim::Simulator& sim = TheSimulator();
  Lock lock(sim.mutex);
  return sim.server.Wall(windows, capacity);
}

int RvSimUseServer(const char* hostName) {
  return Remote().Aim(hostName);
}

const char* RvSimServerName(void) {
  return Remote().ServerName();
}

void RvSimSetNetwork(int on) {
  rvsim::SetNetworkAllowed(on != 0);
}

}  // extern "C"
