#include "station_threads.h"

#include <atomic>
#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <thread>

#include "core/video_library.h"
#include "fuzz_input.h"
#include "host_station.h"
#include "platform/platform.h"

namespace stress {
namespace {

constexpr size_t kStreamChunk = 4096;

// Refills a chunk of seeded bytes whenever the steps have used one up.
class SeededStream {
 public:
  explicit SeededStream(uint32_t seed) : random_(seed), bytes_(kStreamChunk) {}
  vpifuzz::FuzzInput& Input() {
    if (input_ == nullptr || input_->empty()) {
      for (uint8_t& byte : bytes_) byte = static_cast<uint8_t>(random_());
      input_ = std::make_unique<vpifuzz::FuzzInput>(bytes_.data(), bytes_.size());
    }
    return *input_;
  }

 private:
  std::mt19937 random_;
  std::vector<uint8_t> bytes_;
  std::unique_ptr<vpifuzz::FuzzInput> input_;
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

void RunOne(const RunPlan& plan, int number, std::atomic<int>* waiting, StationFigures* figures) {
  vpifuzz::HostStation station(number);
  SeededStream stream(plan.seed + static_cast<uint32_t>(number));
  waiting->fetch_sub(1);
  while (waiting->load() > 0) std::this_thread::yield();
  for (int step = 0; figures->calls < plan.callsPerStation; ++step) {
    int32_t connections[kConnectionSlots];
    std::memcpy(connections, station.data().connections, sizeof connections);
    const bool wasConnected = station.data().connected == 1;
    const vpifuzz::StepOutcome outcome =
        vpifuzz::RunSessionStep(station, stream.Input(), step, plan.faults);
    if (!outcome.called) continue;
    if (outcome.coldStart && wasConnected) ReclaimForgotten(connections);
    ++figures->calls;
    if (outcome.broken.empty()) continue;
    if (figures->broken++ == 0) figures->firstBroken = outcome.broken;
    if (plan.stopAtFirstBroken) break;
  }
  figures->finalBlock = station.data();
}

}  // namespace

std::vector<StationFigures> RunStations(const RunPlan& plan) {
  vpifuzz::QuietHostLog();
  std::vector<StationFigures> figures(static_cast<size_t>(plan.stations));
  vpifuzz::ScratchStay inScratch;
  std::atomic<int> waiting{plan.stations};
  std::vector<std::thread> threads;
  threads.reserve(static_cast<size_t>(plan.stations));
  for (int i = 0; i < plan.stations; ++i) {
    threads.emplace_back(RunOne, std::cref(plan), i + 1, &waiting,
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
