#include "station_threads.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <thread>

#include "core/video_library.h"
#include "fuzz_input.h"
#include "host_station.h"
#include "platform/platform.h"

namespace stress {
namespace {

constexpr int kMostStepsPerInput = 96;  // as the session fuzzer takes them
constexpr unsigned kMutationOdds = 64;  // one byte in this many is replaced

// The session fuzzer's corpus: inputs that reach deep into the driver
// (windows shown, regions held, function commands sent), where random bytes
// would seldom get past the parser.
std::vector<std::vector<uint8_t>> LoadCorpus(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file()) files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  std::vector<std::vector<uint8_t>> inputs;
  inputs.reserve(files.size());
  for (const std::string& file : files) {
    std::ifstream in(file, std::ios::binary);
    inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return inputs;
}

// Corpus inputs in a seeded order, a few bytes of each replaced at random;
// the first byte, the fuzzer's choice of server, is dropped, as the server
// is the process's.
class SeededStream {
 public:
  SeededStream(const std::vector<std::vector<uint8_t>>& corpus, uint32_t seed)
      : corpus_(corpus), random_(seed) {}
  vpifuzz::FuzzInput Next() {
    bytes_ = corpus_[random_() % corpus_.size()];
    for (uint8_t& byte : bytes_) {
      if (random_() % kMutationOdds == 0) byte = static_cast<uint8_t>(random_());
    }
    const size_t skip = bytes_.empty() ? 0 : 1;
    return vpifuzz::FuzzInput(bytes_.data() + skip, bytes_.size() - skip);
  }

 private:
  const std::vector<std::vector<uint8_t>>& corpus_;
  std::mt19937 random_;
  std::vector<uint8_t> bytes_;
};

// A cold start forgets a station's open connections without closing them;
// the server takes them back, as a real one does with connections left
// idle, which keeps a long run from filling it.
void ReclaimForgotten(const int32_t (&connections)[kConnectionSlots]) {
  static const auto close = reinterpret_cast<CloseVideoConnectionFn>(vpi::platform::LibrarySymbol(
      vpi::platform::OpenLibrary(vpi::platform::VideoLibraryFileName(), nullptr),
      "NTRVCloseVideoConnection"));
  for (int slot = 0; slot < kOpenConnections; ++slot) close(connections[slot]);
}

// One step; false when the station's run is over.
bool Step(const RunPlan& plan, vpifuzz::HostStation& station, vpifuzz::FuzzInput& input, int step,
          StationFigures* figures) {
  int32_t connections[kConnectionSlots];
  std::memcpy(connections, station.data().connections, sizeof connections);
  const bool wasConnected = station.data().connected == 1;
  const vpifuzz::StepOutcome outcome = vpifuzz::RunSessionStep(station, input, step, plan.faults);
  if (!outcome.called) return true;
  if (outcome.coldStart && wasConnected) ReclaimForgotten(connections);
  ++figures->calls;
  if (!outcome.broken.empty() && figures->broken++ == 0) figures->firstBroken = outcome.broken;
  return figures->calls < plan.callsPerStation && !(plan.stopAtFirstBroken && figures->broken > 0);
}

void RunOne(const RunPlan& plan, const std::vector<std::vector<uint8_t>>& corpus, int number,
            std::atomic<int>* waiting, StationFigures* figures) {
  vpifuzz::HostStation station(number);
  SeededStream stream(corpus, plan.seed + static_cast<uint32_t>(number));
  waiting->fetch_sub(1);
  while (waiting->load() > 0) std::this_thread::yield();
  for (bool going = true; going;) {
    vpifuzz::FuzzInput input = stream.Next();
    for (int step = 0; going && step < kMostStepsPerInput && !input.empty(); ++step) {
      going = Step(plan, station, input, step, figures);
    }
  }
  figures->finalBlock = station.data();
}

}  // namespace

std::vector<StationFigures> RunStations(const RunPlan& plan) {
  vpifuzz::QuietHostLog();
  const std::vector<std::vector<uint8_t>> corpus = LoadCorpus(plan.corpus);
  if (corpus.empty()) return {};
  std::vector<StationFigures> figures(static_cast<size_t>(plan.stations));
  vpifuzz::ScratchStay inScratch;
  std::atomic<int> waiting{plan.stations};
  std::vector<std::thread> threads;
  threads.reserve(static_cast<size_t>(plan.stations));
  for (int i = 0; i < plan.stations; ++i) {
    threads.emplace_back(RunOne, std::cref(plan), std::cref(corpus), i + 1, &waiting,
                         &figures[static_cast<size_t>(i)]);
  }
  for (std::thread& thread : threads) thread.join();
  return figures;
}

std::string SharedHandles(const std::vector<StationFigures>& stations) {
  std::set<int32_t> seen;
  for (size_t s = 0; s < stations.size(); ++s) {
    const DriverData& block = stations[s].finalBlock;
    if (block.connected != 1) continue;
    for (int slot = 0; slot < kOpenConnections; ++slot) {
      if (!seen.insert(block.connections[slot]).second) {
        return "handle " + std::to_string(block.connections[slot]) + " of station " +
               std::to_string(s + 1) + " is another station's too";
      }
    }
  }
  return "";
}

}  // namespace stress
