// Time per VpiMain call for every measured path, in both log modes. Each
// figure also carries `x_floor`: its processor time per call divided by that
// of the dispatch floor (slot 13), measured in the same run and log mode.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

#include "slot_paths.h"

namespace {

using vpibench::LogMode;

// Processor ns per call of the floor, per log mode, once it has run.
double floorNanoseconds[2] = {0.0, 0.0};

int ModeIndex(LogMode mode) {
  return mode == LogMode::kFiltered ? 0 : 1;
}

void MeasurePath(benchmark::State& state, LogMode mode, const vpibench::SlotPath* path) {
  static vpibench::BenchStation station;
  vpibench::ApplyLogMode(mode);
  if (vpibench::PreparePath(&station, *path) != VPI_OK) {
    state.SkipWithError("the path's first call did not give its expected result");
    return;
  }
  const vpibench::VpiMainFn entry = vpibench::DriverEntry();
  const std::clock_t start = std::clock();
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    int32_t result = vpibench::CallPrepared(entry, &station);
    benchmark::DoNotOptimize(result);
  }
  const double spent = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  const double perCall = spent * 1e9 / static_cast<double>(state.iterations());
  if (path == &vpibench::kSlotPaths[0]) floorNanoseconds[ModeIndex(mode)] = perCall;
  const double floor = floorNanoseconds[ModeIndex(mode)];
  if (floor > 0.0) state.counters["x_floor"] = perCall / floor;
}

}  // namespace

int main(int argc, char** argv) {
  for (LogMode mode : {LogMode::kFiltered, LogMode::kFormatted}) {
    for (int i = 0; i < vpibench::kSlotPathCount; ++i) {
      const vpibench::SlotPath* path = &vpibench::kSlotPaths[i];
      const std::string name = std::string(vpibench::LogModeName(mode)) + "/" + path->name;
      benchmark::RegisterBenchmark(
          name.c_str(), [mode, path](benchmark::State& state) { MeasurePath(state, mode, path); });
    }
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
