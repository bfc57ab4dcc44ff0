// A long run of stations on threads with a random share of library faults:
// reports calls per second, resident memory at the start and the end,
// connections open on the server at the end against those the stations
// hold, and invariant failures. Exit status 0 when nothing broke and nothing
// leaked. Run by scripts/soak; not a test.
//
//   stress_soak [--stations=6] [--calls=10000000] [--fault-share=10000]
//               [--seed=1] [--server=in-process]
//
// --calls counts slot calls over all stations; --fault-share is per million
// library calls (10000: 1 %), for every function but the close, which a
// cold start's forgotten connections and the leak count rely on.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "core/driver_data.h"
#include "core/video_library.h"
#include "rvideo-sim/rvsim.h"
#include "station_threads.h"

namespace {

struct Options {
  int stations = 6;
  long long calls = 10000000;
  int faultShare = 10000;
  uint32_t seed = 1;
  std::string server = "in-process";
};

bool Take(const char* argument, const char* name, std::string* value) {
  const size_t length = std::strlen(name);
  if (std::strncmp(argument, name, length) != 0 || argument[length] != '=') return false;
  *value = argument + length + 1;
  return true;
}

bool ReadOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    std::string value;
    if (Take(argv[i], "--stations", &value)) {
      options->stations = std::atoi(value.c_str());
    } else if (Take(argv[i], "--calls", &value)) {
      options->calls = std::atoll(value.c_str());
    } else if (Take(argv[i], "--fault-share", &value)) {
      options->faultShare = std::atoi(value.c_str());
    } else if (Take(argv[i], "--seed", &value)) {
      options->seed = static_cast<uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
    } else if (Take(argv[i], "--server", &value)) {
      options->server = value;
    } else {
      std::fprintf(stderr, "unknown option %s\n", argv[i]);
      return false;
    }
  }
  return options->stations > 0 && options->calls > 0;
}

// Resident memory of this process in KiB.
long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void SetUpServer(const Options& options) {
  if (RvSimConfigure("limit 1024\n") != 0) std::abort();
  RvSimSetTracing(0);
  for (const char* function : kVideoFunctionNames) {
    if (std::strcmp(function, "NTRVCloseVideoConnection") == 0) continue;
    const int32_t failure = std::strcmp(function, "NTRVOpenVideoConnection") == 0 ? -1 : 0;
    RvSimAddRandomFault(function, options.faultShare, failure);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ReadOptions(argc, argv, &options)) return 2;
  if (options.server != "in-process") {
    // The hook for the network mode: once the simulator library reaches a
    // server over the network, this names it and the counters are asked there.
    std::fprintf(stderr, "--server=%s: only the in-process server is available\n",
                 options.server.c_str());
    return 2;
  }
  SetUpServer(options);

  stress::RunPlan plan;
  plan.stations = options.stations;
  plan.callsPerStation = (options.calls + options.stations - 1) / options.stations;
  plan.seed = options.seed;
  plan.faults = vpifuzz::StreamFaults::kSkip;
  plan.stopAtFirstBroken = false;

  const long startKiB = ResidentKiB();
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t processorStart = std::clock();
  const std::vector<stress::StationFigures> stations = stress::RunStations(plan);
  if (stations.empty()) {
    std::fprintf(stderr, "no session inputs in %s\n", plan.corpus.c_str());
    return 2;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double processor = static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC;
  const long endKiB = ResidentKiB();

  long long calls = 0;
  long long broken = 0;
  int held = 0;
  for (size_t s = 0; s < stations.size(); ++s) {
    calls += stations[s].calls;
    broken += stations[s].broken;
    held += stations[s].finalBlock.connected * kOpenConnections;
    if (stations[s].broken != 0) {
      std::printf("station %zu: %s\n", s + 1, stations[s].firstBroken.c_str());
    }
  }
  const std::string shared = stress::SharedHandles(stations);
  const int open = RvSimOpenConnections();
  std::printf("server:              %s\n", options.server.c_str());
  std::printf("stations:            %d on %d threads\n", options.stations, options.stations);
  std::printf("calls:               %lld in %.1f s\n", calls, seconds);
  std::printf("calls per second:    %.0f (%.0f per second of processor time, %.1f s used)\n",
              static_cast<double>(calls) / seconds, static_cast<double>(calls) / processor,
              processor);
  std::printf("library calls:       %d, each failing with a chance of %.2f %%\n", RvSimCallCount(),
              options.faultShare / 10000.0);
  std::printf("resident memory:     %ld KiB at start, %ld KiB at end\n", startKiB, endKiB);
  std::printf("connections open:    %d on the server, %d held by the stations\n", open, held);
  std::printf("bad handle calls:    %d\n", RvSimBadHandleCalls());
  std::printf("invariant failures:  %lld%s%s\n", broken, shared.empty() ? "" : "; ",
              shared.c_str());
  const bool clean = broken == 0 && shared.empty() && open == held && RvSimBadHandleCalls() == 0;
  std::printf("%s\n", clean ? "soak passed" : "soak FAILED");
  return clean ? 0 : 1;
}
