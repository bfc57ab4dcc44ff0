// What only the dialog model can stage: a dialog nobody is there to answer,
// and stations racing on threads for the one dialog of the process.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "address/browse_dialog.h"
#include "address/browse_resource.h"
#include "dialog-model/dialog_model.h"
#include "support/host_log.h"
#include "support/station.h"

namespace {

using vpitest::Station;

constexpr unsigned char kUntouched = 0xCC;

struct Request {
  char buffer[40];
  VpiRequest request{};
  Request() {
    std::memset(buffer, kUntouched, sizeof buffer);
    request.addressText = buffer;
  }
  // "!FZOOM" in the bytes slot 16 may write, zero after it, and the rest of
  // the buffer untouched.
  bool HoldsZoom() const {
    const char expected[] = "!FZOOM";
    for (size_t i = 0; i < sizeof buffer; ++i) {
      const char want = i < sizeof expected ? expected[i] : '\0';
      if (i >= vpi::kBrowseAddressBufferSize) {
        if (static_cast<unsigned char>(buffer[i]) != kUntouched) return false;
      } else if (buffer[i] != want) {
        return false;
      }
    }
    return true;
  }
  bool Untouched() const {
    return std::all_of(buffer, buffer + sizeof buffer,
                       [](char c) { return static_cast<unsigned char>(c) == kUntouched; });
  }
};

// Picks FZOOM and presses OK.
void PickZoom(void* /*context*/, void* dialog) {
  VpiModelPick(dialog, IDC_FUNCTION_LIST, "FZOOM");
  VpiModelPress(dialog, IDC_BROWSE_OK);
}

struct User {
  User() { VpiModelSetUser(&PickZoom, nullptr); }
  ~User() { VpiModelSetUser(nullptr, nullptr); }
};

TEST(BrowseModel, WithNobodyToAnswerTheDialogIsNotShownAndNotOfferedAgain) {
  Station station;
  Request browse;
  EXPECT_EQ(station.Call(16, &browse.request), VPI_CANCELLED);
  EXPECT_TRUE(browse.Untouched());
  EXPECT_EQ(VpiModelLastRun()->shown, 0);
  EXPECT_EQ(VpiModelLastRun()->refused, 1);

  User user;
  EXPECT_EQ(station.Call(16, &browse.request), VPI_CANCELLED);
  EXPECT_TRUE(browse.Untouched());
  EXPECT_EQ(VpiModelLastRun()->shown, 0);
  EXPECT_EQ(VpiModelLastRun()->refused, 1);
}

// Hosts that call several stations from several threads: of the stations
// that ask at the same moment, exactly one gets the dialog.
TEST(BrowseModel, StationsRacingOnThreadsGetOneDialog) {
  constexpr int kRacers = 8;
  std::vector<std::unique_ptr<Station>> stations;
  stations.reserve(kRacers);
  std::vector<Request> browses(kRacers);
  for (int i = 0; i < kRacers; ++i) stations.push_back(std::make_unique<Station>(i + 1));
  User user;
  // A production host filters the log: no logging call then orders the racers.
  vpitest::StandinSetLevelMask(0);

  std::atomic<int> waiting{kRacers};
  std::vector<int32_t> results(kRacers, -1);
  std::vector<std::thread> racers;
  racers.reserve(kRacers);
  for (int i = 0; i < kRacers; ++i) {
    racers.emplace_back([&, i] {
      waiting.fetch_sub(1);
      while (waiting.load() > 0) std::this_thread::yield();
      results[i] = stations[i]->Call(16, &browses[i].request);
    });
  }
  for (std::thread& racer : racers) racer.join();

  int shown = 0;
  for (int i = 0; i < kRacers; ++i) {
    if (results[i] == VPI_OK) {
      ++shown;
      EXPECT_TRUE(browses[i].HoldsZoom()) << "station " << i + 1;
    } else {
      EXPECT_EQ(results[i], VPI_CANCELLED) << "station " << i + 1;
      EXPECT_TRUE(browses[i].Untouched()) << "station " << i + 1;
    }
  }
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(VpiModelLastRun()->shown, 1);
}

}  // namespace
