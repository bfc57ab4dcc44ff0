// Drives a real dialog from a second thread as a user would: finds it, reads
// its lists, picks items and clicks buttons by posting messages, so the
// dialog's own thread stays free to run its modal loop. Every wait is bounded.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace browsetest {

constexpr DWORD kWaitMs = 10000;

// Polls `condition` until it holds or `timeoutMs` passes; true when it held.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kWaitMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

// A visible dialog-class window of `threadId` that has a child with
// `childId`; null when none shows up in time.
HWND FindDialog(DWORD threadId, int childId, DWORD timeoutMs = kWaitMs);
// A dialog-class window of `threadId` other than `except` titled `title`.
HWND FindMessageBox(DWORD threadId, HWND except, const char* title, DWORD timeoutMs = kWaitMs);

std::string WindowText(HWND window);
// The texts of all child windows, in z order.
std::vector<std::string> ChildTexts(HWND parent);
// The items of a combo box in display order.
std::vector<std::string> ComboItems(HWND dialog, int comboId);
// Selects `text` and tells the dialog, as a user's pick does; false when the
// list has no such item.
bool PickItem(HWND dialog, int comboId, const char* text);
// Clicks a button by a posted BM_CLICK.
void Click(HWND dialog, int buttonId);
bool IsChecked(HWND dialog, int buttonId);
bool IsEnabled(HWND dialog, int controlId);

}  // namespace browsetest
