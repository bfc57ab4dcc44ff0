// Opens the browse dialog through VPIKDVTR.DLL for a screenshot: picks a name
// so the list shows one, prints the dialog's screen rectangle, waits until
// the file named by the argument exists (at most a minute), then cancels.
#include <windows.h>

#include <cstdio>
#include <thread>

#include "address/browse_resource.h"
#include "dialog_driver.h"
#include "support/driver_library.h"

namespace {

void Present(DWORD threadId, const char* doneFile) {
  using namespace browsetest;
  HWND dialog = FindDialog(threadId, IDC_FUNCTION_LIST);
  if (dialog == nullptr) {
    std::printf("NODIALOG\n");
    std::fflush(stdout);
    return;
  }
  PickItem(dialog, IDC_FUNCTION_LIST, "FZOOM");
  WaitUntil(
      [&] { return SendDlgItemMessageA(dialog, IDC_FUNCTION_LIST, CB_GETCURSEL, 0, 0) != CB_ERR; });
  Sleep(500);  // let the dialog paint
  RECT rect{};
  GetWindowRect(dialog, &rect);
  std::printf("DIALOG %ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top);
  std::fflush(stdout);
  WaitUntil([&] { return GetFileAttributesA(doneFile) != INVALID_FILE_ATTRIBUTES; }, 60000);
  Click(dialog, IDCANCEL);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: browse_show DONE-FILE\n");
    return 2;
  }
  const DWORD self = GetCurrentThreadId();
  std::thread helper(Present, self, argv[1]);
  VpiRequest request{};
  char address[32] = {};
  request.addressText = address;
  VpiCall call{};
  call.function = 16;
  call.request = &request;
  const int32_t result = vpitest::DriverEntry()(&call);
  helper.join();
  std::printf("RESULT %d\n", static_cast<int>(result));
  return 0;
}
