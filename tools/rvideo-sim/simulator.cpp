#include "simulator.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace rvsim {
namespace {

constexpr std::streamsize kMaxConfigFile = 1 << 20;

bool ReadSmallFile(const char* path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad() && text->size() <= static_cast<size_t>(kMaxConfigFile);
}

void ConfigureFromEnvironment(Simulator& sim) {
  const char* path = std::getenv("RVSIM_CONFIG");
  if (path == nullptr || *path == '\0') {
    Configure(sim, nullptr);
    return;
  }
  std::string text;
  if (!ReadSmallFile(path, &text)) {
    Configure(sim, nullptr);
    sim.configError = std::string("cannot read ") + path;
  } else if (Configure(sim, text.c_str())) {
    return;
  }
  std::fprintf(stderr, "rvsim: %s: %s; using the built-in server\n", path, sim.configError.c_str());
}

}  // namespace

std::mutex& SimulatorMutex() {
  static std::mutex mutex;
  return mutex;
}

int& ThreadCallCount() {
  thread_local int calls = 0;
  return calls;
}

Simulator& TheSimulator() {
  static Simulator sim;
  static bool configured = false;
  if (!configured) {
    configured = true;
    ConfigureFromEnvironment(sim);
  }
  return sim;
}

bool Configure(Simulator& sim, const char* text) {
  ServerConfig config = DefaultConfig();
  sim.configError.clear();
  const bool ok = text == nullptr || ParseConfig(text, &config, &sim.configError);
  sim.server.Reset(config);
  sim.faults.Clear();
  for (const FaultSpec& fault : config.faults) sim.faults.Add(fault);
  sim.trace.Clear();
  sim.callCount = 0;
  sim.badHandleCalls = 0;
  return ok;
}

std::string Numbers(std::initializer_list<long long> values) {
  std::string text;
  for (long long value : values) {
    if (!text.empty()) text += ',';
    text += std::to_string(value);
  }
  return text;
}

}  // namespace rvsim
