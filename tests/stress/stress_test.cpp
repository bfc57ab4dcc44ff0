// Six stations on six threads, each with its own block, running the session
// fuzzer's corpus of slot sequences against the in-process simulator while library
// faults are injected. The simulator's faults are the process's, so one
// station's faults also hit the others: every station's invariants must hold
// after every call whatever the library answered.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/driver_data.h"
#include "core/video_library.h"
#include "rvideo-sim/rvsim.h"
#include "station_threads.h"

namespace {

constexpr long long kCallsPerStation = 1500;
constexpr int kRandomShare = 10000;  // a million-th: 1 %

struct FaultScenario {
  const char* name;
  vpifuzz::StreamFaults stream;
  bool randomShare;  // 1 % of every call but a close fails
};

void PrintTo(const FaultScenario& scenario, std::ostream* out) {
  *out << scenario.name;
}

const FaultScenario kScenarios[] = {
    {"FaultsFromTheStream", vpifuzz::StreamFaults::kInject, false},
    {"RandomShareOfCalls", vpifuzz::StreamFaults::kSkip, true},
};

class StationsOnThreads : public testing::TestWithParam<FaultScenario> {
 protected:
  void SetUp() override {
    ASSERT_EQ(RvSimConfigure("limit 1024\n"), 0) << RvSimConfigError();
    if (GetParam().randomShare) {
      for (int f = 0; f < kVideoFunctionCount; ++f) {
        const std::string name = kVideoFunctionNames[f];
        if (name == "NTRVCloseVideoConnection") continue;
        RvSimAddRandomFault(name.c_str(), kRandomShare, name == "NTRVOpenVideoConnection" ? -1 : 0);
      }
    }
  }
  void TearDown() override { RvSimConfigure(nullptr); }
};

TEST_P(StationsOnThreads, EveryStationKeepsItsInvariantsAfterEveryCall) {
  stress::RunPlan plan;
  plan.callsPerStation = kCallsPerStation;
  plan.seed = 17;
  plan.faults = GetParam().stream;
  const std::vector<stress::StationFigures> stations = stress::RunStations(plan);
  ASSERT_EQ(stations.size(), 6u) << "no session inputs in " << plan.corpus;

  int connected = 0;
  for (size_t s = 0; s < stations.size(); ++s) {
    EXPECT_EQ(stations[s].firstBroken, "") << "station " << s + 1;
    EXPECT_EQ(stations[s].calls, kCallsPerStation) << "station " << s + 1;
    connected += stations[s].finalBlock.connected;
  }
  EXPECT_EQ(stress::SharedHandles(stations), "");
  EXPECT_EQ(RvSimBadHandleCalls(), 0);
  if (GetParam().randomShare) {
    // Closes never fail here, so nothing but the stations' own connections is left open.
    EXPECT_EQ(RvSimOpenConnections(), connected * kOpenConnections);
  }
}

INSTANTIATE_TEST_SUITE_P(Faults, StationsOnThreads, testing::ValuesIn(kScenarios),
                         [](const testing::TestParamInfo<FaultScenario>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
