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
  ++sim.revision;
  return ok;
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
