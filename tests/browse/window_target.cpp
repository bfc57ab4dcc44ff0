// The browse scenarios' target on Windows: VPIKDVTR.DLL loaded by name, its
// VpiMain called on this thread while a second thread plays the user on the
// real dialog.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "address/browse_resource.h"
#include "browse_target.h"
#include "dialog_driver.h"
#include "support/driver_library.h"

namespace browsetest {
namespace {

// Plain line ends on standard output: ctest learns the cases from the list
// this program prints.
[[maybe_unused]] const int kBinaryOutput = _setmode(_fileno(stdout), _O_BINARY);

bool IsButton(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, "Button") == 0;
}

BOOL CALLBACK CollectButton(HWND window, LPARAM context) {
  if (IsButton(window))
    reinterpret_cast<std::vector<std::string>*>(context)->push_back(WindowText(window));
  return TRUE;
}

class WindowScreen : public Screen {
 public:
  WindowScreen(HWND dialog, DWORD threadId) : dialog_(dialog), threadId_(threadId) {}
  void* Dialog() override { return dialog_; }

  // Selects the item and tells the dialog, as a user's pick does; sent, so
  // the dialog has seen it on return.
  bool Pick(int listId, const char* text) override {
    if (!IsEnabled(listId)) return false;
    const LRESULT index = SendDlgItemMessageA(dialog_, listId, CB_FINDSTRINGEXACT, WPARAM(-1),
                                              reinterpret_cast<LPARAM>(text));
    if (index == CB_ERR) return false;
    SendDlgItemMessageA(dialog_, listId, CB_SETCURSEL, index, 0);
    SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog_, listId)));
    return true;
  }

  // OK and Cancel may end the dialog or bring up a box that waits for an
  // answer: posted, then awaited. Other clicks are sent.
  bool Press(int buttonId) override {
    HWND button = GetDlgItem(dialog_, buttonId);
    if (button == nullptr || !IsEnabled(buttonId)) return false;
    if (buttonId != IDC_BROWSE_OK && buttonId != IDC_BROWSE_CANCEL) {
      SendMessageA(button, BM_CLICK, 0, 0);
      return true;
    }
    PostMessageA(button, BM_CLICK, 0, 0);
    HWND box = nullptr;
    WaitUntil([&] {
      box = FindMessageBox(threadId_, dialog_, nullptr, 0);
      return box != nullptr || IsWindow(dialog_) == FALSE;
    });
    if (box != nullptr) Answer(box);
    return true;
  }

  std::vector<std::string> Items(int listId) override { return ComboItems(dialog_, listId); }
  std::optional<std::vector<std::string>> ItemsAdded(int /*listId*/) override {
    return std::nullopt;
  }
  std::string Selection(int listId) override {
    const LRESULT index = SendDlgItemMessageA(dialog_, listId, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return "";
    const std::vector<std::string> items = Items(listId);
    return index < static_cast<LRESULT>(items.size()) ? items[index] : "";
  }
  bool IsEnabled(int controlId) override { return browsetest::IsEnabled(dialog_, controlId); }
  bool IsChecked(int buttonId) override { return browsetest::IsChecked(dialog_, buttonId); }
  bool IsOpen() override { return IsWindow(dialog_) != FALSE && IsWindowVisible(dialog_) != FALSE; }
  int BoxCount() override { return boxes_; }
  BoxSeen LastBox() override { return lastBox_; }
  std::optional<int> FocusedControl() override {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &thread)) return std::nullopt;
    return GetDlgCtrlID(thread.hwndFocus);
  }

 private:
  // Reads the box, then clicks its OK and waits for it to go.
  void Answer(HWND box) {
    ++boxes_;
    lastBox_ = BoxSeen{};
    lastBox_.owner = GetWindow(box, GW_OWNER);
    lastBox_.title = WindowText(box);
    lastBox_.texts = ChildTexts(box);
    std::vector<std::string> buttons;
    EnumChildWindows(box, &CollectButton, reinterpret_cast<LPARAM>(&buttons));
    lastBox_.buttons = buttons;
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    lastBox_.gone = WaitUntil([&] { return IsWindow(box) == FALSE; });
  }

  HWND dialog_;
  DWORD threadId_;
  int boxes_ = 0;
  BoxSeen lastBox_;
};

// Closes what a user left open, so that a scenario cannot hang; true when
// something was left.
bool CloseLeftovers(DWORD threadId, HWND dialog) {
  if (WaitUntil([&] { return IsWindow(dialog) == FALSE; }, 2000)) return false;
  if (HWND box = FindMessageBox(threadId, dialog, "Error", 0)) {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  return true;
}

}  // namespace

BrowseRun Browse(int32_t station, VpiRequest* request, const User& user) {
  const DWORD self = GetCurrentThreadId();
  std::atomic<bool> returned{false};
  BrowseRun run;
  std::thread helper([&] {
    HWND dialog = nullptr;
    WaitUntil([&] {
      dialog = FindDialog(self, IDC_FUNCTION_LIST, 0);
      return dialog != nullptr || returned.load();
    });
    if (dialog == nullptr) return;
    run.shown = true;
    run.owner = GetWindow(dialog, GW_OWNER);
    WindowScreen screen(dialog, self);
    if (user) user(screen);
    run.leftOpen = CloseLeftovers(self, dialog);
  });
  VpiCall call{};
  call.function = 16;
  call.station = station;
  call.request = request;
  run.result = vpitest::DriverEntry()(&call);
  returned = true;
  helper.join();
  return run;
}

void* MakeOwnerWindow() {
  return CreateWindowA("STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                       GetModuleHandleA(nullptr), nullptr);
}

void DestroyOwnerWindow(void* window) {
  if (window != nullptr) DestroyWindow(static_cast<HWND>(window));
}

std::optional<std::string> DriverSelection() {
  return std::nullopt;
}

}  // namespace browsetest
