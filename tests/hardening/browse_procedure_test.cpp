// The browse dialog's procedure with messages it has no use for: it must
// answer without touching the dialog or the picked name.
#include <gtest/gtest.h>

#include <cstring>

#include "address/browse_dialog.h"
#include "address/browse_resource.h"

namespace hardening {
namespace {

uintptr_t CommandParameter(int controlId, uint16_t notification) {
  return static_cast<uintptr_t>(controlId) | static_cast<uintptr_t>(notification) << 16;
}

TEST(BrowseProcedure, IgnoresUnknownMessagesCommandsAndListNotifications) {
  char picked[vpi::kBrowseSelectionSize];
  std::memcpy(picked, vpi::browseSelection, sizeof picked);
  // No dialog behind the handle: any use of it would crash.
  const vpi::platform::WindowHandle none = nullptr;
  EXPECT_EQ(vpi::BrowseDialogProc(none, 0x0001, 0, 0), 0);  // WM_CREATE
  EXPECT_EQ(vpi::BrowseDialogProc(none, 0x0010, 0, 0), 0);  // WM_CLOSE
  EXPECT_EQ(
      vpi::BrowseDialogProc(none, vpi::platform::kMessageCommand, CommandParameter(4711, 0), 0), 1);
  for (int list : {IDC_FUNCTION_LIST, IDC_PARAMETER_LIST}) {
    for (uint16_t notification : {0, 3, 7}) {  // not a selection change
      EXPECT_EQ(vpi::BrowseDialogProc(none, vpi::platform::kMessageCommand,
                                      CommandParameter(list, notification), 0),
                1);
    }
  }
  EXPECT_EQ(std::memcmp(picked, vpi::browseSelection, sizeof picked), 0);
}

}  // namespace
}  // namespace hardening
