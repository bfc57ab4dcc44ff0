// Slot 16 against the dialog model. The driver shows its dialog at most once
// per process, so ctest runs each test in a process of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "address/browse_dialog.h"
#include "address/browse_resource.h"
#include "address/vocabulary.h"
#include "platform/dialog_model.h"
#include "platform/platform.h"
#include "support/host_log.h"
#include "support/station.h"

namespace {

using vpitest::Station;

constexpr unsigned char kUntouched = 0xCC;
constexpr int kOk = 1;
constexpr int kCancel = 2;

// One step of a scripted user: pick `text` in list `id`, or press button `id`.
struct Step {
  int id;
  const char* text;  // null: press
  bool expectDone;
};

// What the user saw when the dialog came up.
struct FirstSight {
  std::vector<std::string> functionList;
  std::vector<std::string> parameterList;
  std::vector<std::string> functionAdded;
  std::vector<std::string> parameterAdded;
  bool functionEnabled = false;
  bool parameterEnabled = false;
  bool functionChecked = false;
  bool parameterChecked = false;
};

std::vector<std::string> Items(void* dialog, int listId, const char* (*item)(void*, int, int)) {
  std::vector<std::string> items;
  for (int i = 0; const char* text = item(dialog, listId, i); ++i) items.push_back(text);
  return items;
}

class ScriptedUser {
 public:
  explicit ScriptedUser(std::vector<Step> steps) : steps_(std::move(steps)) {
    VpiModelSetUser(&ScriptedUser::Act, this);
  }
  ~ScriptedUser() { VpiModelSetUser(nullptr, nullptr); }

  const FirstSight& sight() const { return sight_; }
  void* dialog() const { return dialog_; }
  // Called after each step with the dialog still in hand.
  void (*afterStep)(ScriptedUser& user, size_t step) = nullptr;

 private:
  static void Act(void* context, void* dialog) {
    auto& user = *static_cast<ScriptedUser*>(context);
    user.dialog_ = dialog;
    user.Look(dialog);
    for (size_t i = 0; i < user.steps_.size(); ++i) {
      const Step& step = user.steps_[i];
      const int done = step.text != nullptr ? VpiModelPick(dialog, step.id, step.text)
                                            : VpiModelPress(dialog, step.id);
      EXPECT_EQ(done != 0, step.expectDone) << "step " << i;
      if (user.afterStep != nullptr) user.afterStep(user, i);
    }
  }

  void Look(void* dialog) {
    sight_.functionList = Items(dialog, IDC_FUNCTION_LIST, &VpiModelListItem);
    sight_.parameterList = Items(dialog, IDC_PARAMETER_LIST, &VpiModelListItem);
    sight_.functionAdded = Items(dialog, IDC_FUNCTION_LIST, &VpiModelListAdded);
    sight_.parameterAdded = Items(dialog, IDC_PARAMETER_LIST, &VpiModelListAdded);
    sight_.functionEnabled = VpiModelIsEnabled(dialog, IDC_FUNCTION_LIST) != 0;
    sight_.parameterEnabled = VpiModelIsEnabled(dialog, IDC_PARAMETER_LIST) != 0;
    sight_.functionChecked = VpiModelIsChecked(dialog, IDC_FUNCTION_RADIO) != 0;
    sight_.parameterChecked = VpiModelIsChecked(dialog, IDC_PARAMETER_RADIO) != 0;
    EXPECT_EQ(VpiModelListSelection(dialog, IDC_FUNCTION_LIST), nullptr);
    EXPECT_EQ(VpiModelListSelection(dialog, IDC_PARAMETER_LIST), nullptr);
    EXPECT_EQ(vpi::browseSelection[0], '\0');
  }

  std::vector<Step> steps_;
  FirstSight sight_;
  void* dialog_ = nullptr;
};

// A host request with an address buffer longer than the 20 bytes slot 16 may
// write, so that writes past them show.
struct BrowseRequest {
  char buffer[40];
  VpiRequest request{};
  BrowseRequest() {
    std::memset(buffer, kUntouched, sizeof buffer);
    request.addressText = buffer;
    request.ownerWindow =
        reinterpret_cast<void*>(uintptr_t{0x4711});  // NOLINT(performance-no-int-to-ptr)
  }
  bool Untouched() const {
    return std::all_of(buffer, buffer + sizeof buffer,
                       [](char c) { return static_cast<unsigned char>(c) == kUntouched; });
  }
};

std::vector<std::string> Names(std::initializer_list<vpi::NameGroup> groups) {
  std::vector<std::string> names;
  for (const vpi::NameGroup& group : groups)
    names.insert(names.end(), group.names, group.names + group.count);
  return names;
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

void ExpectAddress(const BrowseRequest& browse, const char* address) {
  const size_t length = std::strlen(address);
  ASSERT_LT(length, vpi::kBrowseAddressBufferSize);
  EXPECT_EQ(std::string(browse.buffer, length), address);
  for (size_t i = length; i < vpi::kBrowseAddressBufferSize; ++i) {
    EXPECT_EQ(browse.buffer[i], '\0') << "byte " << i;
  }
  for (size_t i = vpi::kBrowseAddressBufferSize; i < sizeof browse.buffer; ++i) {
    EXPECT_EQ(static_cast<unsigned char>(browse.buffer[i]), kUntouched) << "byte " << i;
  }
}

std::string ClientCalls() {
  char name[64];
  std::snprintf(name, sizeof name, "DarAZOBr%02u",
                static_cast<unsigned>(vpi::platform::CurrentThreadId()));
  return std::string("QelMkClient(") + name + ",1,0)\nQelGetQelproVer(33)\nQelRmClient(33)\n";
}

TEST(BrowseModel, PickedFunctionIsWrittenAndTheDialogIsShownOnlyOnce) {
  Station station(3);
  BrowseRequest browse;
  ScriptedUser user({{IDC_FUNCTION_LIST, "FZOOM", true}, {kOk, nullptr, true}});
  EXPECT_EQ(station.Call(16, &browse.request), VPI_OK);
  ExpectAddress(browse, "!FZOOM");
  EXPECT_STREQ(vpi::browseSelection, "FZOOM");

  const VpiModelRun& run = *VpiModelLastRun();
  EXPECT_EQ(run.shown, 1);
  EXPECT_EQ(run.templateId, IDD_BROWSE);
  EXPECT_EQ(run.result, kOk);
  EXPECT_EQ(run.messageBoxes, 0);
  EXPECT_EQ(run.closedByEscape, 0);

  // Lists filled in the driver's order, shown sorted; the function side on.
  const FirstSight& sight = user.sight();
  const std::vector<std::string> functions =
      Names({vpi::kFunctionNames, vpi::kResultNames, vpi::kWindowItems, vpi::kStatusNames});
  const std::vector<std::string> parameters = Names({vpi::kParameterNames, vpi::kTextParameters});
  ASSERT_EQ(functions.size(), 25u);
  ASSERT_EQ(parameters.size(), 18u);
  EXPECT_EQ(sight.functionAdded, functions);
  EXPECT_EQ(sight.parameterAdded, parameters);
  EXPECT_EQ(sight.functionList, Sorted(functions));
  EXPECT_EQ(sight.parameterList, Sorted(parameters));
  EXPECT_TRUE(sight.functionEnabled);
  EXPECT_FALSE(sight.parameterEnabled);
  EXPECT_TRUE(sight.functionChecked);
  EXPECT_FALSE(sight.parameterChecked);

  // Any later call, from any station: refused at once, nothing asked of the
  // host, nothing written.
  Station other(4);
  BrowseRequest again;
  vpitest::StandinClearCallLog();
  EXPECT_EQ(other.Call(16, &again.request), VPI_CANCELLED);
  EXPECT_EQ(station.Call(16, &again.request), VPI_CANCELLED);
  EXPECT_TRUE(again.Untouched());
  EXPECT_EQ(vpitest::StandinCallLog(), "");
  EXPECT_EQ(VpiModelLastRun()->shown, 1);
  EXPECT_EQ(VpiModelLastRun()->refused, 0);
}

TEST(BrowseModel, OkWithoutAPickWarnsAndKeepsTheDialogOpen) {
  Station station;
  BrowseRequest browse;
  ScriptedUser user({{kOk, nullptr, true}, {kCancel, nullptr, true}});
  user.afterStep = [](ScriptedUser& self, size_t step) {
    if (step != 0) return;
    const VpiModelRun& run = *VpiModelLastRun();
    EXPECT_EQ(run.messageBoxes, 1);
    EXPECT_STREQ(run.boxText, "Missing value!");
    EXPECT_STREQ(run.boxTitle, "Error");
    EXPECT_EQ(run.boxOwner, self.dialog());
    EXPECT_EQ(VpiModelIsOpen(self.dialog()), 1);
  };
  EXPECT_EQ(station.Call(16, &browse.request), VPI_CANCELLED);
  EXPECT_TRUE(browse.Untouched());
  EXPECT_EQ(VpiModelLastRun()->result, kCancel);
  EXPECT_EQ(VpiModelLastRun()->closedByEscape, 0);
  EXPECT_EQ(VpiModelIsOpen(user.dialog()), 0);
}

TEST(BrowseModel, LastPickCountsEvenFromTheListSwitchedOff) {
  Station station;
  BrowseRequest browse;
  ScriptedUser user({
      {IDC_PARAMETER_LIST, "X", false},  // parameter side still off
      {IDC_PARAMETER_RADIO, nullptr, true},
      {IDC_FUNCTION_LIST, "FZOOM", false},  // now the function side is off
      {IDC_PARAMETER_LIST, "X", true},
      {IDC_FUNCTION_RADIO, nullptr, true},
      {IDC_PARAMETER_LIST, "Y", false},
      {kOk, nullptr, true},
  });
  user.afterStep = [](ScriptedUser& self, size_t step) {
    void* dialog = self.dialog();
    if (step == 1) {
      EXPECT_EQ(VpiModelIsEnabled(dialog, IDC_PARAMETER_LIST), 1);
      EXPECT_EQ(VpiModelIsEnabled(dialog, IDC_FUNCTION_LIST), 0);
      EXPECT_EQ(VpiModelIsChecked(dialog, IDC_PARAMETER_RADIO), 1);
      EXPECT_EQ(VpiModelIsChecked(dialog, IDC_FUNCTION_RADIO), 0);
    }
    if (step == 4) {
      EXPECT_EQ(VpiModelIsEnabled(dialog, IDC_PARAMETER_LIST), 0);
      EXPECT_EQ(VpiModelIsEnabled(dialog, IDC_FUNCTION_LIST), 1);
      EXPECT_STREQ(VpiModelListSelection(dialog, IDC_PARAMETER_LIST), "X");
      EXPECT_STREQ(vpi::browseSelection, "X");
    }
  };
  EXPECT_EQ(station.Call(16, &browse.request), VPI_OK);
  ExpectAddress(browse, "!X");
}

TEST(BrowseModel, LatestPickWinsAndTheLongestNameFits) {
  Station station;
  BrowseRequest browse;
  ScriptedUser user({{IDC_FUNCTION_LIST, "FSTILLVIDEO", true},
                     {IDC_FUNCTION_LIST, "FNUMSOURCES", true},
                     {kOk, nullptr, true}});
  EXPECT_EQ(station.Call(16, &browse.request), VPI_OK);
  ExpectAddress(browse, "!FNUMSOURCES");
}

TEST(BrowseModel, NewHostOwnsTheDialogThroughAClientNamedAfterTheThread) {
  vpitest::StandinSetVersion(820);
  vpitest::StandinClearCallLog();
  Station station;
  BrowseRequest browse;
  ScriptedUser user({{kCancel, nullptr, true}});
  EXPECT_EQ(station.Call(16, &browse.request), VPI_CANCELLED);
  EXPECT_EQ(VpiModelLastRun()->owner, browse.request.ownerWindow);
  EXPECT_EQ(vpitest::StandinCallLog(), ClientCalls());
}

TEST(BrowseModel, OlderHostGetsAnUnownedDialog) {
  vpitest::StandinSetVersion(819);
  vpitest::StandinClearCallLog();
  Station station;
  BrowseRequest browse;
  ScriptedUser user({{kCancel, nullptr, true}});
  EXPECT_EQ(station.Call(16, &browse.request), VPI_CANCELLED);
  EXPECT_EQ(VpiModelLastRun()->shown, 1);
  EXPECT_EQ(VpiModelLastRun()->owner, nullptr);
  EXPECT_EQ(vpitest::StandinCallLog(), ClientCalls());
}

TEST(BrowseModel, FailedClientLeavesTheDialogUnowned) {
  vpitest::StandinSetVersion(900);
  vpitest::StandinSetClientFailure(true);
  vpitest::StandinClearCallLog();
  Station station;
  BrowseRequest browse;
  ScriptedUser user({{IDC_FUNCTION_LIST, "FRESULT", true}, {kOk, nullptr, true}});
  EXPECT_EQ(station.Call(16, &browse.request), VPI_OK);
  ExpectAddress(browse, "!FRESULT");
  EXPECT_EQ(VpiModelLastRun()->owner, nullptr);
  const std::string calls = vpitest::StandinCallLog();
  EXPECT_EQ(calls.find("QelGetQelproVer"), std::string::npos) << calls;
  EXPECT_EQ(calls.find("QelRmClient"), std::string::npos) << calls;
  vpitest::StandinSetClientFailure(false);
}

TEST(BrowseModel, WithNobodyToAnswerTheDialogIsNotShownAndNotOfferedAgain) {
  Station station;
  BrowseRequest browse;
  EXPECT_EQ(station.Call(16, &browse.request), VPI_CANCELLED);
  EXPECT_TRUE(browse.Untouched());
  EXPECT_EQ(VpiModelLastRun()->shown, 0);
  EXPECT_EQ(VpiModelLastRun()->refused, 1);

  ScriptedUser user({{IDC_FUNCTION_LIST, "FZOOM", true}, {kOk, nullptr, true}});
  EXPECT_EQ(station.Call(16, &browse.request), VPI_CANCELLED);
  EXPECT_TRUE(browse.Untouched());
  EXPECT_EQ(VpiModelLastRun()->shown, 0);
  EXPECT_EQ(VpiModelLastRun()->refused, 1);
}

TEST(BrowseModel, UserWhoWalksAwayCancels) {
  Station station;
  BrowseRequest browse;
  ScriptedUser user({{IDC_FUNCTION_LIST, "FHUE", true}});
  EXPECT_EQ(station.Call(16, &browse.request), VPI_CANCELLED);
  EXPECT_TRUE(browse.Untouched());
  EXPECT_EQ(VpiModelLastRun()->closedByEscape, 1);
  EXPECT_EQ(VpiModelLastRun()->result, kCancel);
}

TEST(BrowseModel, MissingAddressBufferShowsNothingAndKeepsTheDialogForLater) {
  Station station;
  ScriptedUser user({{IDC_FUNCTION_LIST, "FMODE", true}, {kOk, nullptr, true}});
  vpitest::StandinClearCallLog();
  EXPECT_EQ(station.Call(16, nullptr), VPI_CANCELLED);
  VpiRequest noBuffer{};
  EXPECT_EQ(station.Call(16, &noBuffer), VPI_CANCELLED);
  EXPECT_EQ(VpiModelLastRun()->shown, 0);
  EXPECT_EQ(vpitest::StandinCallLog(), "");

  BrowseRequest browse;
  EXPECT_EQ(station.Call(16, &browse.request), VPI_OK);
  ExpectAddress(browse, "!FMODE");
}

// Hosts that call several stations from several threads: of the stations
// that ask at the same moment, exactly one gets the dialog.
TEST(BrowseModel, StationsRacingOnThreadsGetOneDialog) {
  constexpr int kRacers = 8;
  std::vector<std::unique_ptr<Station>> stations;
  std::vector<BrowseRequest> browses(kRacers);
  for (int i = 0; i < kRacers; ++i) stations.push_back(std::make_unique<Station>(i + 1));
  ScriptedUser user({{IDC_FUNCTION_LIST, "FZOOM", true}, {kOk, nullptr, true}});
  // A production host filters the log: no logging call then orders the racers.
  vpitest::StandinSetLevelMask(0);

  std::atomic<int> waiting{kRacers};
  std::vector<int32_t> results(kRacers, -1);
  std::vector<std::thread> racers;
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
      ExpectAddress(browses[i], "!FZOOM");
    } else {
      EXPECT_EQ(results[i], VPI_CANCELLED) << "station " << i + 1;
      EXPECT_TRUE(browses[i].Untouched()) << "station " << i + 1;
    }
  }
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(VpiModelLastRun()->shown, 1);
}

}  // namespace
