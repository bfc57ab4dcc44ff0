// A host polling !FNUMSOURCES through VpiMain, one library call per read:
// a station on the in-process simulator against one on a network server,
// in the same run, as calls per second and their ratio.
//   net_poll_benchmark HOST:PORT [SECONDS]   (SECONDS per side and round, default 1)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "rvsim.h"
#include "slot_paths.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 3;

// Calls between two clock readings: the in-process call costs little more
// than a reading, a network call many times more.
struct Side {
  const char* name;
  int batch;
  vpibench::BenchStation station;
  long long calls = 0;
  double seconds = 0.0;
  std::vector<double> batchMicros;  // per call, averaged over its batch
};

bool Prepare(Side* side, int32_t number, const char* host) {
  if (vpibench::StartStation(&side->station, number, host) != VPI_OK) return false;
  const vpibench::SlotPath* path = vpibench::FindSlotPath("read_FNUMSOURCES");
  side->station.call.function = path->slot;
  std::snprintf(side->station.address, sizeof side->station.address, "%s", path->address);
  side->station.request = VpiRequest{};
  side->station.request.addressText = side->station.address;
  side->station.request.value = &side->station.cell;
  side->station.call.request = &side->station.request;
  return vpibench::CallPrepared(vpibench::DriverEntry(), &side->station) == VPI_OK &&
         side->station.cell.value32 > 0;
}

// Polls for `seconds`; false when a read does not answer VPI_OK.
bool Poll(Side* side, double seconds) {
  const vpibench::VpiMainFn entry = vpibench::DriverEntry();
  const Clock::time_point start = Clock::now();
  const Clock::time_point end =
      start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  for (Clock::time_point now = start; now < end;) {
    for (int i = 0; i < side->batch; ++i) {
      if (vpibench::CallPrepared(entry, &side->station) != VPI_OK) return false;
    }
    const Clock::time_point after = Clock::now();
    side->batchMicros.push_back(std::chrono::duration<double, std::micro>(after - now).count() /
                                side->batch);
    side->calls += side->batch;
    now = after;
  }
  side->seconds += std::chrono::duration<double>(Clock::now() - start).count();
  return true;
}

double Percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const size_t at = static_cast<size_t>(share * static_cast<double>(values.size() - 1));
  return values[at];
}

void Report(const Side& side) {
  std::printf("%-11s %10lld calls %6.2f s %9.0f calls/s  p50 %8.2f us  p99 %8.2f us  (batch %d)\n",
              side.name, side.calls, side.seconds, static_cast<double>(side.calls) / side.seconds,
              Percentile(side.batchMicros, 0.50), Percentile(side.batchMicros, 0.99), side.batch);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: net_poll_benchmark HOST:PORT [SECONDS]\n");
    return 2;
  }
  const std::string server = argv[1];
  const double seconds = argc > 2 ? std::atof(argv[2]) : 1.0;
  vpibench::ApplyLogMode(vpibench::LogMode::kFiltered);
  static Side local{"in-process", 64, {}, 0, 0.0, {}};
  static Side remote{"network", 1, {}, 0, 0.0, {}};
  vpibench::ResetServer();
  if (!Prepare(&remote, 98, server.c_str()) || !Prepare(&local, 97, "simulator")) {
    std::fprintf(stderr, "net_poll_benchmark: a station did not start (is %s serving?)\n",
                 server.c_str());
    return 1;
  }
  // The server records no trace either, as the in-process simulator here.
  if (RvSimUseServer(server.c_str()) == 1) RvSimSetTracing(0);
  RvSimUseServer(nullptr);
  for (int round = 0; round < kRounds; ++round) {
    if (!Poll(&local, seconds) || !Poll(&remote, seconds)) {
      std::fprintf(stderr, "net_poll_benchmark: a read failed in round %d\n", round + 1);
      return 1;
    }
  }
  std::printf("read !FNUMSOURCES through VpiMain, log filtered, %d rounds of %.1f s per side\n",
              kRounds, seconds);
  Report(local);
  Report(remote);
  const double ratio = (static_cast<double>(local.calls) / local.seconds) /
                       (static_cast<double>(remote.calls) / remote.seconds);
  std::printf("in-process / network calls per second: %.1f\n", ratio);
  return 0;
}
