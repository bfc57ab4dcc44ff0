// Calls per second of the read paths with one thread on one station and
// with two threads on two stations at once, and their ratio: calls for
// different stations share no driver state, so on two free cores the
// two-thread figure should come close to twice the one-thread one. On a
// busy machine the cores are not free; the processor time per call (the
// process's, from std::clock, which on Windows is wall time) then tells
// whether the threads slowed each other down. The log is filtered, as in
// production. Options: --seconds=S per measurement (default 0.5),
// --rounds=N (default 3; the best round counts).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <thread>
#include <vector>

#include "slot_paths.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMostThreads = 2;
const char* const kReadPaths[] = {"read_FRESULT", "read_FSHOWWINDOW", "read_FNUMSOURCES"};

// Each station on cache lines of its own, so that no two threads share one.
struct alignas(64) OwnStation {
  vpibench::BenchStation station;
};
OwnStation stations[kMostThreads];

struct Options {
  double seconds = 0.5;
  int rounds = 3;
};

struct Figures {
  double callsPerSecond = 0.0;
  double processorNsPerCall = 0.0;
};

Figures Best(const Figures& a, const Figures& b) {
  return a.callsPerSecond >= b.callsPerSecond ? a : b;
}

// `threads` threads, each calling its own station `calls` times, all
// started together.
Figures Measure(int threads, long long calls) {
  const vpibench::VpiMainFn entry = vpibench::DriverEntry();
  std::atomic<int> waiting{threads + 1};
  std::vector<std::thread> workers;
  workers.reserve(static_cast<size_t>(threads));
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back([&, t] {
      vpibench::BenchStation* station = &stations[t].station;
      waiting.fetch_sub(1);
      while (waiting.load() > 0) std::this_thread::yield();
      for (long long i = 0; i < calls; ++i) vpibench::CallPrepared(entry, station);
    });
  }
  while (waiting.load() > 1) std::this_thread::yield();
  const Clock::time_point start = Clock::now();
  const std::clock_t processorStart = std::clock();
  waiting.fetch_sub(1);
  for (std::thread& worker : workers) worker.join();
  const double spent = std::chrono::duration<double>(Clock::now() - start).count();
  const double processor = static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC;
  const double total = static_cast<double>(calls) * threads;
  return {total / spent, processor * 1e9 / total};
}

bool PrepareStations(const vpibench::SlotPath& path) {
  vpibench::ResetServer();
  for (int t = 0; t < kMostThreads; ++t) {
    const int32_t number = vpibench::kBenchStationNumber + t;
    if (vpibench::PrepareStationPath(&stations[t].station, number, path) != VPI_OK) return false;
  }
  return true;
}

Options ReadOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--seconds=", 10) == 0) options.seconds = std::atof(argv[i] + 10);
    if (std::strncmp(argv[i], "--rounds=", 9) == 0) options.rounds = std::atoi(argv[i] + 9);
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ReadOptions(argc, argv);
  vpibench::ApplyLogMode(vpibench::LogMode::kFiltered);
  std::printf("%-18s %14s %14s %7s %14s %14s\n", "path", "calls/s 1 th", "calls/s 2 th", "ratio",
              "cpu ns/call 1", "cpu ns/call 2");
  int status = 0;
  for (const char* name : kReadPaths) {
    const vpibench::SlotPath* path = vpibench::FindSlotPath(name);
    if (path == nullptr || !PrepareStations(*path)) {
      std::printf("%-18s could not be prepared\n", name);
      status = 1;
      continue;
    }
    // Calls for one measurement: as many as one thread makes in the time asked.
    const double probe = Measure(1, 20000).callsPerSecond;
    const auto calls = static_cast<long long>(probe * options.seconds) + 1;
    Figures one;
    Figures two;
    for (int round = 0; round < options.rounds; ++round) {
      one = Best(one, Measure(1, calls));
      two = Best(two, Measure(2, calls));
    }
    std::printf("%-18s %14.0f %14.0f %7.2f %14.1f %14.1f\n", name, one.callsPerSecond,
                two.callsPerSecond, two.callsPerSecond / one.callsPerSecond, one.processorNsPerCall,
                two.processorNsPerCall);
  }
  return status;
}
