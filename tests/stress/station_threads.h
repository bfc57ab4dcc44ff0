// Several stations, each on a thread of its own with its own block, taking
// a seeded stream of session steps against the in-process simulator, as a
// host that calls different stations from different threads at once. The
// stream is the session fuzzer's corpus, its inputs in a seeded order with
// a few bytes of each changed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/driver_data.h"
#include "session_steps.h"

namespace stress {

// The session fuzzer's corpus, from the folder the programs run in.
inline constexpr const char kSessionCorpus[] = VPI_SESSION_CORPUS;

struct RunPlan {
  std::string corpus = kSessionCorpus;  // a folder of session inputs
  int stations = 6;
  long long callsPerStation = 1000;
  uint32_t seed = 1;
  vpifuzz::StreamFaults faults = vpifuzz::StreamFaults::kInject;
  bool stopAtFirstBroken = true;  // else every broken call is counted
};

struct StationFigures {
  long long calls = 0;
  long long broken = 0;
  std::string firstBroken;
  DriverData finalBlock{};
};

// Runs the plan: station n (1..stations) takes the stream seeded with
// seed + n; all threads start together and are joined before it returns.
// Empty when the corpus folder holds no input.
std::vector<StationFigures> RunStations(const RunPlan& plan);

// Handles that two stations' blocks both hold as open connections; empty
// when every connected station has handles of its own.
std::string SharedHandles(const std::vector<StationFigures>& stations);

}  // namespace stress
