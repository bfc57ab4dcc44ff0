// Runs one measured path a given number of times, for counting its
// instructions under callgrind:
//   bench_instructions <path> <filtered|formatted> <calls>
//   bench_instructions --list          prints the path names, floor first
// Run it with `valgrind --tool=callgrind --instr-atstart=no
// --toggle-collect=VpiMain`: instrumentation starts after the preparation and
// the warm-up calls, and only the instructions executed inside VpiMain (the
// driver, the host's err and the video library it calls) are counted.
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "slot_paths.h"

namespace {

constexpr int kWarmUpCalls = 16;

int Usage() {
  std::fprintf(stderr,
               "usage: bench_instructions <path> <filtered|formatted> <calls>\n"
               "       bench_instructions --list\n");
  return 2;
}

int ListPaths() {
  for (int i = 0; i < vpibench::kSlotPathCount; ++i)
    std::printf("%s\n", vpibench::kSlotPaths[i].name);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--list") == 0) return ListPaths();
  if (argc != 4) return Usage();
  const vpibench::SlotPath* path = vpibench::FindSlotPath(argv[1]);
  const bool filtered = std::strcmp(argv[2], "filtered") == 0;
  const long calls = std::strtol(argv[3], nullptr, 10);
  if (path == nullptr || (!filtered && std::strcmp(argv[2], "formatted") != 0) || calls <= 0) {
    return Usage();
  }
  static vpibench::BenchStation station;
  vpibench::ApplyLogMode(filtered ? vpibench::LogMode::kFiltered : vpibench::LogMode::kFormatted);
  if (vpibench::PreparePath(&station, *path) != VPI_OK) {
    std::fprintf(stderr, "%s: the first call did not give the expected result\n", path->name);
    return 1;
  }
  const vpibench::VpiMainFn entry = vpibench::DriverEntry();
  for (int i = 0; i < kWarmUpCalls; ++i) vpibench::CallPrepared(entry, &station);
  int failures = 0;
  CALLGRIND_START_INSTRUMENTATION;
  for (long i = 0; i < calls; ++i) {
    if (vpibench::CallPrepared(entry, &station) != path->expected) ++failures;
  }
  CALLGRIND_STOP_INSTRUMENTATION;
  if (failures != 0) {
    std::fprintf(stderr, "%s: %d calls gave another result\n", path->name, failures);
    return 1;
  }
  return 0;
}
