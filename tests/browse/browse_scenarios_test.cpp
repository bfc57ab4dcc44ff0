// Slot 16 as a user meets it, written once and run against each dialog: the
// real one of the Windows driver and the POSIX dialog model. The driver shows
// its dialog at most once per process, so ctest runs each test in a process
// of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "address/browse_dialog.h"
#include "address/browse_resource.h"
#include "address/vocabulary.h"
#include "browse_target.h"
#include "platform/platform.h"
#include "support/host_log.h"

namespace {

using browsetest::Browse;
using browsetest::BrowseRun;
using browsetest::Screen;

constexpr unsigned char kUntouched = 0xCC;
constexpr int kOk = IDC_BROWSE_OK;
constexpr int kCancel = IDC_BROWSE_CANCEL;

const std::vector<std::string> kSortedFunctions = {
    "FBRIGHTNESS", "FCAPTION", "FCOLORKEY",   "FCONTRAST", "FHIDESOURCE",
    "FHIDEVIDEO",  "FHUE",     "FMODE",       "FMOTION",   "FNUMSOURCES",
    "FPOSITION",   "FRESULT",  "FSATURATION", "FSELECT",   "FSHOWWINDOW",
    "FSOURCEINFO", "FSTATUS1", "FSTATUS2",    "FSTATUS3",  "FSTATUS4",
    "FSTATUS5",    "FSTATUS6", "FSTILLVIDEO", "FZOOM",     "FZORDER"};
const std::vector<std::string> kSortedParameters = {
    "BRIGHTNESS", "CAPTION",    "COLOR",  "CONTRAST", "HEIGHT", "HUE",
    "MODE",       "SATURATION", "SOURCE", "WIDTH",    "WINDOW", "X",
    "Y",          "ZHEIGHT",    "ZORDER", "ZWIDTH",   "ZX",     "ZY"};

// A host request with an address buffer longer than the bytes slot 16 may
// write, so that writes past them show.
struct BrowseRequest {
  char buffer[40];
  VpiRequest request{};
  explicit BrowseRequest(void* owner = nullptr) {
    std::memset(buffer, kUntouched, sizeof buffer);
    request.addressText = buffer;
    request.ownerWindow = owner;
  }
  bool Untouched() const {
    return std::all_of(buffer, buffer + sizeof buffer,
                       [](char c) { return static_cast<unsigned char>(c) == kUntouched; });
  }
};

// A host window for the dialog's owner, gone at the end of the scenario.
struct OwnerWindow {
  void* window = browsetest::MakeOwnerWindow();
  ~OwnerWindow() { browsetest::DestroyOwnerWindow(window); }
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

bool Holds(const std::vector<std::string>& texts, const char* text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Checks what a target can observe; a target that cannot leaves it out.
template <typename Seen, typename Want>
void ExpectIfSeen(const std::optional<Seen>& seen, const Want& want, const char* what) {
  if (seen) {
    EXPECT_EQ(*seen, want) << what;
  }
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

// What the user saw when the dialog came up.
struct FirstSight {
  std::vector<std::string> functions;
  std::vector<std::string> parameters;
  std::optional<std::vector<std::string>> functionsAdded;
  std::optional<std::vector<std::string>> parametersAdded;
  std::string functionSelection = "?";
  std::string parameterSelection = "?";
  std::optional<std::string> driverSelection;
  bool functionEnabled = false;
  bool parameterEnabled = true;
  bool functionChecked = false;
  bool parameterChecked = true;
  std::optional<int> focus;
};

FirstSight Look(Screen& screen) {
  FirstSight sight;
  sight.functions = screen.Items(IDC_FUNCTION_LIST);
  sight.parameters = screen.Items(IDC_PARAMETER_LIST);
  sight.functionsAdded = screen.ItemsAdded(IDC_FUNCTION_LIST);
  sight.parametersAdded = screen.ItemsAdded(IDC_PARAMETER_LIST);
  sight.functionSelection = screen.Selection(IDC_FUNCTION_LIST);
  sight.parameterSelection = screen.Selection(IDC_PARAMETER_LIST);
  sight.driverSelection = browsetest::DriverSelection();
  sight.functionEnabled = screen.IsEnabled(IDC_FUNCTION_LIST);
  sight.parameterEnabled = screen.IsEnabled(IDC_PARAMETER_LIST);
  sight.functionChecked = screen.IsChecked(IDC_FUNCTION_RADIO);
  sight.parameterChecked = screen.IsChecked(IDC_PARAMETER_RADIO);
  sight.focus = screen.FocusedControl();
  return sight;
}

// A user who picks `name` in the function list and presses OK.
browsetest::User PickAndOk(const char* name) {
  return [name](Screen& screen) {
    screen.Pick(IDC_FUNCTION_LIST, name);
    screen.Press(kOk);
  };
}

void PressCancel(Screen& screen) {
  screen.Press(kCancel);
}

TEST(BrowseScenario, PickedFunctionIsWrittenAndTheDialogIsShownOnlyOnce) {
  BrowseRequest browse;
  FirstSight sight;
  bool picked = false;
  bool confirmed = false;
  int boxes = -1;
  const BrowseRun run = Browse(3, &browse.request, [&](Screen& screen) {
    sight = Look(screen);
    picked = screen.Pick(IDC_FUNCTION_LIST, "FZOOM");
    confirmed = screen.Press(kOk);
    boxes = screen.BoxCount();
  });
  EXPECT_EQ(run.result, VPI_OK);
  ExpectAddress(browse, "!FZOOM");
  EXPECT_TRUE(picked);
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(boxes, 0);
  EXPECT_TRUE(run.shown);
  EXPECT_FALSE(run.leftOpen);
  ExpectIfSeen(run.endValue, kOk, "run.endValue");
  ExpectIfSeen(run.templateId, IDD_BROWSE, "run.templateId");
  ExpectIfSeen(browsetest::DriverSelection(), "FZOOM", "driver selection");

  // Lists filled in the driver's order, shown sorted; the function side on,
  // nothing picked yet.
  const std::vector<std::string> functions =
      Names({vpi::kFunctionNames, vpi::kResultNames, vpi::kWindowItems, vpi::kStatusNames});
  const std::vector<std::string> parameters = Names({vpi::kParameterNames, vpi::kTextParameters});
  EXPECT_EQ(Sorted(functions), kSortedFunctions);
  EXPECT_EQ(Sorted(parameters), kSortedParameters);
  EXPECT_EQ(sight.functions, kSortedFunctions);
  EXPECT_EQ(sight.parameters, kSortedParameters);
  ExpectIfSeen(sight.functionsAdded, functions, "sight.functionsAdded");
  ExpectIfSeen(sight.parametersAdded, parameters, "sight.parametersAdded");
  EXPECT_EQ(sight.functionSelection, "");
  // The initialization lets the dialog manager set the focus: on the first
  // control with a tab stop, the OK button.
  ExpectIfSeen(sight.focus, kOk, "sight.focus");
  EXPECT_EQ(sight.parameterSelection, "");
  ExpectIfSeen(sight.driverSelection, "", "sight.driverSelection");
  EXPECT_TRUE(sight.functionEnabled);
  EXPECT_FALSE(sight.parameterEnabled);
  EXPECT_TRUE(sight.functionChecked);
  EXPECT_FALSE(sight.parameterChecked);

  // Any later call, from any station: refused at once, nothing asked of the
  // host, nothing written.
  BrowseRequest again;
  vpitest::StandinClearCallLog();
  const BrowseRun other = Browse(4, &again.request, PickAndOk("FZOOM"));
  const BrowseRun same = Browse(3, &again.request, PickAndOk("FZOOM"));
  EXPECT_EQ(other.result, VPI_CANCELLED);
  EXPECT_EQ(same.result, VPI_CANCELLED);
  EXPECT_FALSE(other.shown);
  EXPECT_FALSE(same.shown);
  ExpectIfSeen(other.asked, false, "other.asked");
  ExpectIfSeen(same.asked, false, "same.asked");
  EXPECT_TRUE(again.Untouched());
  EXPECT_EQ(vpitest::StandinCallLog(), "");
}

TEST(BrowseScenario, OkWithoutAPickWarnsAndKeepsTheDialogOpen) {
  BrowseRequest browse;
  void* dialog = nullptr;
  int boxes = 0;
  browsetest::BoxSeen box;
  bool stillOpen = false;
  bool closedByCancel = false;
  const BrowseRun run = Browse(1, &browse.request, [&](Screen& screen) {
    dialog = screen.Dialog();
    screen.Press(kOk);
    boxes = screen.BoxCount();
    box = screen.LastBox();
    stillOpen = screen.IsOpen();
    screen.Press(kCancel);
    closedByCancel = !screen.IsOpen();
  });
  EXPECT_EQ(run.result, VPI_CANCELLED);
  EXPECT_TRUE(browse.Untouched());
  EXPECT_EQ(boxes, 1);
  EXPECT_TRUE(Holds(box.texts, "Missing value!"));
  EXPECT_EQ(box.title, "Error");
  EXPECT_EQ(box.owner, dialog);
  if (box.buttons) {
    EXPECT_TRUE(Holds(*box.buttons, "OK"));
    EXPECT_FALSE(Holds(*box.buttons, "Cancel"));
  }
  ExpectIfSeen(box.gone, true, "box.gone");
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(closedByCancel);
  EXPECT_FALSE(run.leftOpen);
  ExpectIfSeen(run.endValue, kCancel, "run.endValue");
}

TEST(BrowseScenario, LastPickCountsEvenFromTheListSwitchedOff) {
  BrowseRequest browse;
  std::vector<bool> done;
  bool parameterSide = false;
  bool functionSide = false;
  std::string kept;
  std::optional<std::string> driverKept;
  const BrowseRun run = Browse(1, &browse.request, [&](Screen& screen) {
    done.push_back(screen.Pick(IDC_PARAMETER_LIST, "X"));  // parameter side still off
    done.push_back(screen.Press(IDC_PARAMETER_RADIO));
    parameterSide = screen.IsEnabled(IDC_PARAMETER_LIST) && !screen.IsEnabled(IDC_FUNCTION_LIST) &&
                    screen.IsChecked(IDC_PARAMETER_RADIO) && !screen.IsChecked(IDC_FUNCTION_RADIO);
    done.push_back(screen.Pick(IDC_FUNCTION_LIST, "FZOOM"));  // now the function side is off
    done.push_back(screen.Pick(IDC_PARAMETER_LIST, "X"));
    done.push_back(screen.Press(IDC_FUNCTION_RADIO));
    functionSide = screen.IsEnabled(IDC_FUNCTION_LIST) && !screen.IsEnabled(IDC_PARAMETER_LIST);
    kept = screen.Selection(IDC_PARAMETER_LIST);
    driverKept = browsetest::DriverSelection();
    done.push_back(screen.Pick(IDC_PARAMETER_LIST, "Y"));
    done.push_back(screen.Press(kOk));
  });
  EXPECT_EQ(done, (std::vector<bool>{false, true, false, true, true, false, true}));
  EXPECT_TRUE(parameterSide);
  EXPECT_TRUE(functionSide);
  EXPECT_EQ(kept, "X");
  ExpectIfSeen(driverKept, "X", "driverKept");
  EXPECT_EQ(run.result, VPI_OK);
  ExpectAddress(browse, "!X");
}

TEST(BrowseScenario, LatestPickWinsAndTheLongestNameFits) {
  BrowseRequest browse;
  const BrowseRun run = Browse(1, &browse.request, [](Screen& screen) {
    screen.Pick(IDC_FUNCTION_LIST, "FSTILLVIDEO");
    screen.Pick(IDC_FUNCTION_LIST, "FNUMSOURCES");
    screen.Press(kOk);
  });
  EXPECT_EQ(run.result, VPI_OK);
  ExpectAddress(browse, "!FNUMSOURCES");
}

TEST(BrowseScenario, NewHostOwnsTheDialogThroughAClientNamedAfterTheThread) {
  vpitest::StandinSetVersion(820);
  vpitest::StandinClearCallLog();
  OwnerWindow owner;
  ASSERT_NE(owner.window, nullptr);
  BrowseRequest browse(owner.window);
  const BrowseRun run = Browse(1, &browse.request, &PressCancel);
  EXPECT_EQ(run.result, VPI_CANCELLED);
  EXPECT_TRUE(run.shown);
  EXPECT_EQ(run.owner, owner.window);
  EXPECT_EQ(vpitest::StandinCallLog(), ClientCalls());
}

TEST(BrowseScenario, OlderHostGetsAnUnownedDialog) {
  vpitest::StandinSetVersion(819);
  vpitest::StandinClearCallLog();
  OwnerWindow owner;
  ASSERT_NE(owner.window, nullptr);
  BrowseRequest browse(owner.window);
  const BrowseRun run = Browse(1, &browse.request, &PressCancel);
  EXPECT_EQ(run.result, VPI_CANCELLED);
  EXPECT_TRUE(run.shown);
  EXPECT_EQ(run.owner, nullptr);
  EXPECT_EQ(vpitest::StandinCallLog(), ClientCalls());
}

TEST(BrowseScenario, FailedClientLeavesTheDialogUnowned) {
  vpitest::StandinSetVersion(900);
  vpitest::StandinSetClientFailure(true);
  vpitest::StandinClearCallLog();
  OwnerWindow owner;
  ASSERT_NE(owner.window, nullptr);
  BrowseRequest browse(owner.window);
  const BrowseRun run = Browse(1, &browse.request, PickAndOk("FRESULT"));
  vpitest::StandinSetClientFailure(false);
  EXPECT_EQ(run.result, VPI_OK);
  ExpectAddress(browse, "!FRESULT");
  EXPECT_TRUE(run.shown);
  EXPECT_EQ(run.owner, nullptr);
  const std::string calls = vpitest::StandinCallLog();
  EXPECT_EQ(calls.find("QelGetQelproVer"), std::string::npos) << calls;
  EXPECT_EQ(calls.find("QelRmClient"), std::string::npos) << calls;
}

TEST(BrowseScenario, UserWhoWalksAwayCancels) {
  BrowseRequest browse;
  const BrowseRun run =
      Browse(1, &browse.request, [](Screen& screen) { screen.Pick(IDC_FUNCTION_LIST, "FHUE"); });
  EXPECT_EQ(run.result, VPI_CANCELLED);
  EXPECT_TRUE(browse.Untouched());
  EXPECT_TRUE(run.leftOpen);
  ExpectIfSeen(run.endValue, kCancel, "run.endValue");
}

TEST(BrowseScenario, MissingAddressBufferShowsNothingAndKeepsTheDialogForLater) {
  vpitest::StandinClearCallLog();
  const BrowseRun none = Browse(1, nullptr, PickAndOk("FMODE"));
  VpiRequest noBuffer{};
  const BrowseRun empty = Browse(1, &noBuffer, PickAndOk("FMODE"));
  EXPECT_EQ(none.result, VPI_CANCELLED);
  EXPECT_EQ(empty.result, VPI_CANCELLED);
  EXPECT_FALSE(none.shown);
  EXPECT_FALSE(empty.shown);
  EXPECT_EQ(vpitest::StandinCallLog(), "");

  BrowseRequest browse;
  const BrowseRun run = Browse(1, &browse.request, PickAndOk("FMODE"));
  EXPECT_EQ(run.result, VPI_OK);
  EXPECT_TRUE(run.shown);
  ExpectAddress(browse, "!FMODE");
}

}  // namespace
