#include "server_web_model.h"

#include "sim_controls.h"
#include "state_json.h"

namespace rvweb {

using nlohmann::json;

WebModel::Changes ServerWebModel::Count() {
  const rvsim::SimStats stats = rvsim::Stats(server_.simulator());
  return {stats.revision, static_cast<uint64_t>(stats.callCount)};
}

json ServerWebModel::State() {
  rvsim::Simulator& sim = server_.simulator();
  uint64_t revision = 0;
  json windows = json::array();
  for (const RvSimWindow& window : rvsim::WallSnapshot(sim, &revision)) {
    windows.push_back(WindowJson(window));
  }
  json connections = json::array();
  for (const rvsimd::SessionInfo& session : server_.sessions()) {
    connections.push_back({{"peer", session.peer},
                           {"handles", session.handles},
                           {"lastCall", session.lastCall},
                           {"calls", session.callsServed}});
  }
  json faults = json::array();
  for (const rvsim::FaultSpec& fault : rvsim::FaultList(sim)) faults.push_back(FaultJson(fault));
  uint64_t traceNext = 0;
  rvsim::TraceSince(sim, UINT64_MAX, 0, &traceNext);
  return {{"revision", revision},
          {"windows", windows},
          {"connections", connections},
          {"faults", faults},
          {"config", ConfigJson(rvsim::CurrentConfig(sim))},
          {"traceNext", traceNext}};
}

json ServerWebModel::TraceSince(uint64_t since, size_t limit) {
  uint64_t next = 0;
  json calls = json::array();
  for (const rvsim::TraceLine& line : rvsim::TraceSince(server_.simulator(), since, limit, &next)) {
    calls.push_back({{"seq", line.seq}, {"line", line.line}});
  }
  if (!calls.empty()) next = calls.back()["seq"].get<uint64_t>() + 1;
  return {{"since", since}, {"next", next}, {"calls", calls}};
}

void ServerWebModel::AddFault(const rvsim::FaultSpec& fault) {
  rvsim::AddFault(server_.simulator(), fault);
}

void ServerWebModel::ClearFaults() {
  rvsim::ClearFaults(server_.simulator());
}

std::string ServerWebModel::Configure(const rvsim::ServerConfig& config) {
  rvsim::ConfigureWithLocked(server_.simulator(), config);
  return "";
}

void ServerWebModel::Reset() {
  rvsim::Simulator& sim = server_.simulator();
  rvsim::ConfigureWithLocked(sim, rvsim::CurrentConfig(sim));
}

}  // namespace rvweb
