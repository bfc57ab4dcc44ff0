// Two stations on two threads asking for the real browse dialog (slot 16)
// at the same moment: exactly one dialog is shown, the winner gets the pick,
// the other call answers VPI_CANCELLED without touching its buffer. A third
// thread plays the user on whichever dialog appears.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "address/browse_resource.h"
#include "dialog_driver.h"
#include "support/driver_library.h"
#include "support/host_log.h"

namespace {

using namespace browsetest;

constexpr int kRacers = 2;
constexpr unsigned char kUntouched = 0xCC;

struct Racer {
  char buffer[40];
  VpiRequest request{};
  std::atomic<DWORD> threadId{0};
  int32_t result = -1;
  Racer() {
    std::memset(buffer, kUntouched, sizeof buffer);
    request.addressText = buffer;
  }
  bool Untouched() const {
    return std::all_of(buffer, buffer + sizeof buffer,
                       [](char c) { return static_cast<unsigned char>(c) == kUntouched; });
  }
};

TEST(DialogRace, TwoStationsOnThreadsGetOneRealDialog) {
  vpitest::StandinSetLevelMask(0);  // no logging call orders the racers
  Racer racers[kRacers];
  std::atomic<int> waiting{kRacers};
  std::atomic<int> finished{0};
  std::thread threads[kRacers];
  for (int i = 0; i < kRacers; ++i) {
    threads[i] = std::thread([&, i] {
      racers[i].threadId = GetCurrentThreadId();
      waiting.fetch_sub(1);
      while (waiting.load() > 0) std::this_thread::yield();
      VpiCall call{};
      call.function = 16;
      call.station = i + 1;
      call.request = &racers[i].request;
      racers[i].result = vpitest::DriverEntry()(&call);
      finished.fetch_add(1);
    });
  }

  // The user picks FZOOM in every dialog that shows up until both calls end.
  int dialogs = 0;
  bool seen[kRacers] = {};
  WaitUntil([&] {
    for (int i = 0; i < kRacers; ++i) {
      if (seen[i] || racers[i].threadId == 0) continue;
      HWND dialog = FindDialog(racers[i].threadId, IDC_FUNCTION_LIST, 0);
      if (dialog == nullptr) continue;
      seen[i] = true;
      ++dialogs;
      PickItem(dialog, IDC_FUNCTION_LIST, "FZOOM");
      Click(dialog, IDOK);
    }
    return finished.load() == kRacers;
  });
  for (int i = 0; i < kRacers; ++i) {
    if (finished.load() < kRacers && racers[i].threadId != 0) {
      if (HWND left = FindDialog(racers[i].threadId, IDC_FUNCTION_LIST, 0)) {
        PostMessageA(left, WM_COMMAND, IDCANCEL, 0);
      }
    }
  }
  for (std::thread& thread : threads) thread.join();

  EXPECT_EQ(dialogs, 1);
  int picked = 0;
  for (int i = 0; i < kRacers; ++i) {
    if (racers[i].result == VPI_OK) {
      ++picked;
      EXPECT_EQ(std::string(racers[i].buffer), "!FZOOM") << "station " << i + 1;
    } else {
      EXPECT_EQ(racers[i].result, VPI_CANCELLED) << "station " << i + 1;
      EXPECT_TRUE(racers[i].Untouched()) << "station " << i + 1;
    }
  }
  EXPECT_EQ(picked, 1);
}

}  // namespace
