#include "local_simulator.h"

#include <cstdio>
#include <cstdlib>

namespace rvsim {
namespace {

void ConfigureFromEnvironment(Simulator& sim) {
  std::lock_guard<std::mutex> lock(sim.mutex);
  const char* path = std::getenv("RVSIM_CONFIG");
  if (path == nullptr || *path == '\0') {
    Configure(sim, nullptr);
    return;
  }
  if (ConfigureFromFile(sim, path)) return;
  std::fprintf(stderr, "rvsim: %s: %s; using the built-in server\n", path, sim.configError.c_str());
}

}  // namespace

Simulator& TheSimulator() {
  static Simulator* const sim = [] {
    auto* fresh = new Simulator;  // lives as long as the process: exports may run at exit
    ConfigureFromEnvironment(*fresh);
    return fresh;
  }();
  return *sim;
}

}  // namespace rvsim
