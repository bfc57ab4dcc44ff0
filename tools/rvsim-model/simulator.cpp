#include "simulator.h"

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

}  // namespace

int& ThreadCallCount() {
  thread_local int calls = 0;
  return calls;
}

bool Configure(Simulator& sim, const char* text) {
  ServerConfig config = DefaultConfig();
  std::string error;
  const bool ok = text == nullptr || ParseConfig(text, &config, &error);
  ConfigureWith(sim, config);
  sim.configError = error;
  return ok;
}

void ConfigureWith(Simulator& sim, const ServerConfig& config) {
  sim.configError.clear();
  sim.server.Reset(config);
  sim.faults.Clear();
  for (const FaultSpec& fault : config.faults) sim.faults.Add(fault);
  sim.trace.Clear();
  sim.callCount = 0;
  sim.badHandleCalls = 0;
  ++sim.revision;
}

bool ConfigureFromFile(Simulator& sim, const char* path) {
  std::string text;
  if (!ReadSmallFile(path, &text)) {
    Configure(sim, nullptr);
    sim.configError = std::string("cannot read ") + path;
    return false;
  }
  return Configure(sim, text.c_str());
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
