// Slot 16 with the real dialog: VPIKDVTR.DLL loaded by name, VpiMain called
// on this thread while a second thread plays the user. The dialog is shown
// at most once per process, so ctest runs each test in a process of its own.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "address/browse_resource.h"
#include "dialog_driver.h"
#include "support/driver_library.h"
#include "support/host_log.h"

namespace {

using namespace browsetest;

constexpr unsigned char kUntouched = 0xCC;

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

struct BrowseRequest {
  char buffer[40];
  VpiRequest request{};
  explicit BrowseRequest(HWND owner = nullptr) {
    std::memset(buffer, kUntouched, sizeof buffer);
    request.addressText = buffer;
    request.ownerWindow = owner;
  }
  bool Untouched() const {
    return std::all_of(buffer, buffer + sizeof buffer,
                       [](char c) { return static_cast<unsigned char>(c) == kUntouched; });
  }
};

int32_t CallBrowse(BrowseRequest& browse) {
  VpiCall call{};
  call.function = 16;
  call.station = 1;
  call.request = &browse.request;
  return vpitest::DriverEntry()(&call);
}

// Closes what a user left open, so that a failed scenario cannot hang.
void CloseLeftovers(DWORD threadId, HWND dialog) {
  if (WaitUntil([&] { return IsWindow(dialog) == FALSE; }, 2000)) return;
  if (HWND box = FindMessageBox(threadId, dialog, "Error", 0)) {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Runs slot 16 on this thread while `user` acts on the dialog from another.
// `found` tells whether a dialog showed up within `waitMs`.
template <typename User>
int32_t BrowseWith(BrowseRequest& browse, User user, bool* found = nullptr,
                   DWORD waitMs = kWaitMs) {
  const DWORD self = GetCurrentThreadId();
  bool shown = false;
  std::thread helper([&] {
    HWND dialog = FindDialog(self, IDC_FUNCTION_LIST, waitMs);
    if (dialog == nullptr) return;
    shown = true;
    user(dialog);
    CloseLeftovers(self, dialog);
  });
  const int32_t result = CallBrowse(browse);
  helper.join();
  if (found != nullptr) *found = shown;
  return result;
}

void ExpectAddress(const BrowseRequest& browse, const char* address) {
  const size_t length = std::strlen(address);
  EXPECT_EQ(std::string(browse.buffer, length), address);
  for (size_t i = length; i < 20; ++i) EXPECT_EQ(browse.buffer[i], '\0') << "byte " << i;
  for (size_t i = 20; i < sizeof browse.buffer; ++i) {
    EXPECT_EQ(static_cast<unsigned char>(browse.buffer[i]), kUntouched) << "byte " << i;
  }
}

struct FirstSight {
  std::vector<std::string> functions;
  std::vector<std::string> parameters;
  bool functionEnabled = false;
  bool parameterEnabled = true;
  bool functionChecked = false;
  bool parameterChecked = true;
  int functionSelection = 0;
  HWND owner = nullptr;
};

FirstSight Look(HWND dialog) {
  FirstSight sight;
  sight.functions = ComboItems(dialog, IDC_FUNCTION_LIST);
  sight.parameters = ComboItems(dialog, IDC_PARAMETER_LIST);
  sight.functionEnabled = IsEnabled(dialog, IDC_FUNCTION_LIST);
  sight.parameterEnabled = IsEnabled(dialog, IDC_PARAMETER_LIST);
  sight.functionChecked = IsChecked(dialog, IDC_FUNCTION_RADIO);
  sight.parameterChecked = IsChecked(dialog, IDC_PARAMETER_RADIO);
  sight.functionSelection =
      static_cast<int>(SendDlgItemMessageA(dialog, IDC_FUNCTION_LIST, CB_GETCURSEL, 0, 0));
  sight.owner = GetWindow(dialog, GW_OWNER);
  return sight;
}

HWND MakeOwnerWindow() {
  return CreateWindowA("STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                       GetModuleHandleA(nullptr), nullptr);
}

std::string ClientCalls() {
  char name[64];
  std::snprintf(name, sizeof name, "DarAZOBr%02lu",
                static_cast<unsigned long>(GetCurrentThreadId()));
  return std::string("QelMkClient(") + name + ",1,0)\nQelGetQelproVer(33)\nQelRmClient(33)\n";
}

TEST(BrowseDialog, PickedFunctionIsWrittenAndTheDialogIsShownOnlyOnce) {
  BrowseRequest browse;
  FirstSight sight;
  bool picked = false;
  const int32_t result = BrowseWith(browse, [&](HWND dialog) {
    sight = Look(dialog);
    picked = PickItem(dialog, IDC_FUNCTION_LIST, "FZOOM");
    Click(dialog, IDOK);
  });
  EXPECT_EQ(result, VPI_OK);
  ExpectAddress(browse, "!FZOOM");
  EXPECT_TRUE(picked);
  EXPECT_EQ(sight.functions, kSortedFunctions);
  EXPECT_EQ(sight.parameters, kSortedParameters);
  EXPECT_TRUE(sight.functionEnabled);
  EXPECT_FALSE(sight.parameterEnabled);
  EXPECT_TRUE(sight.functionChecked);
  EXPECT_FALSE(sight.parameterChecked);
  EXPECT_EQ(sight.functionSelection, CB_ERR);

  vpitest::StandinClearCallLog();
  BrowseRequest again;
  bool shownAgain = true;
  EXPECT_EQ(BrowseWith(
                again, [](HWND) {}, &shownAgain),
            VPI_CANCELLED);
  EXPECT_FALSE(shownAgain);
  EXPECT_TRUE(again.Untouched());
  EXPECT_EQ(vpitest::StandinCallLog(), "");
}

TEST(BrowseDialog, OkWithoutAPickWarnsAndKeepsTheDialogOpen) {
  BrowseRequest browse;
  HWND shownDialog = nullptr;
  HWND box = nullptr;
  HWND boxOwner = nullptr;
  std::vector<std::string> boxTexts;
  bool boxClosed = false;
  bool stillOpen = false;
  const int32_t result = BrowseWith(browse, [&](HWND dialog) {
    shownDialog = dialog;
    Click(dialog, IDOK);
    box = FindMessageBox(GetWindowThreadProcessId(dialog, nullptr), dialog, "Error");
    if (box == nullptr) return;
    boxOwner = GetWindow(box, GW_OWNER);
    boxTexts = ChildTexts(box);
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    boxClosed = WaitUntil([&] { return IsWindow(box) == FALSE; });
    stillOpen = IsWindow(dialog) && IsWindowVisible(dialog);
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(result, VPI_CANCELLED);
  EXPECT_TRUE(browse.Untouched());
  ASSERT_NE(box, nullptr);
  EXPECT_NE(std::find(boxTexts.begin(), boxTexts.end(), "Missing value!"), boxTexts.end());
  EXPECT_NE(std::find(boxTexts.begin(), boxTexts.end(), "OK"), boxTexts.end());
  EXPECT_EQ(std::find(boxTexts.begin(), boxTexts.end(), "Cancel"), boxTexts.end());
  EXPECT_EQ(boxOwner, shownDialog);
  EXPECT_TRUE(boxClosed);
  EXPECT_TRUE(stillOpen);
}

TEST(BrowseDialog, LastPickCountsEvenFromTheListSwitchedOff) {
  BrowseRequest browse;
  bool parameterSide = false;
  bool functionSide = false;
  const int32_t result = BrowseWith(browse, [&](HWND dialog) {
    Click(dialog, IDC_PARAMETER_RADIO);
    parameterSide = WaitUntil([&] {
      return IsEnabled(dialog, IDC_PARAMETER_LIST) && !IsEnabled(dialog, IDC_FUNCTION_LIST) &&
             IsChecked(dialog, IDC_PARAMETER_RADIO) && !IsChecked(dialog, IDC_FUNCTION_RADIO);
    });
    PickItem(dialog, IDC_PARAMETER_LIST, "X");
    Click(dialog, IDC_FUNCTION_RADIO);
    functionSide = WaitUntil([&] {
      return IsEnabled(dialog, IDC_FUNCTION_LIST) && !IsEnabled(dialog, IDC_PARAMETER_LIST);
    });
    Click(dialog, IDOK);
  });
  EXPECT_TRUE(parameterSide);
  EXPECT_TRUE(functionSide);
  EXPECT_EQ(result, VPI_OK);
  ExpectAddress(browse, "!X");
}

TEST(BrowseDialog, NewHostOwnsTheDialogThroughAClientNamedAfterTheThread) {
  vpitest::StandinSetVersion(820);
  vpitest::StandinClearCallLog();
  HWND owner = MakeOwnerWindow();
  ASSERT_NE(owner, nullptr);
  BrowseRequest browse(owner);
  HWND seenOwner = nullptr;
  EXPECT_EQ(BrowseWith(browse,
                       [&](HWND dialog) {
                         seenOwner = GetWindow(dialog, GW_OWNER);
                         Click(dialog, IDCANCEL);
                       }),
            VPI_CANCELLED);
  EXPECT_EQ(seenOwner, owner);
  EXPECT_EQ(vpitest::StandinCallLog(), ClientCalls());
  DestroyWindow(owner);
}

TEST(BrowseDialog, OlderHostGetsAnUnownedDialog) {
  vpitest::StandinSetVersion(819);
  HWND owner = MakeOwnerWindow();
  ASSERT_NE(owner, nullptr);
  BrowseRequest browse(owner);
  HWND seenOwner = owner;
  EXPECT_EQ(BrowseWith(browse,
                       [&](HWND dialog) {
                         seenOwner = GetWindow(dialog, GW_OWNER);
                         Click(dialog, IDCANCEL);
                       }),
            VPI_CANCELLED);
  EXPECT_EQ(seenOwner, nullptr);
  DestroyWindow(owner);
}

TEST(BrowseDialog, FailedClientLeavesTheDialogUnowned) {
  vpitest::StandinSetVersion(900);
  vpitest::StandinSetClientFailure(true);
  HWND owner = MakeOwnerWindow();
  ASSERT_NE(owner, nullptr);
  BrowseRequest browse(owner);
  HWND seenOwner = owner;
  EXPECT_EQ(BrowseWith(browse,
                       [&](HWND dialog) {
                         seenOwner = GetWindow(dialog, GW_OWNER);
                         Click(dialog, IDCANCEL);
                       }),
            VPI_CANCELLED);
  EXPECT_EQ(seenOwner, nullptr);
  vpitest::StandinSetClientFailure(false);
  DestroyWindow(owner);
}

}  // namespace
