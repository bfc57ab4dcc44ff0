#include "dialog_driver.h"

#include <cstring>

namespace browsetest {
namespace {

constexpr char kDialogClass[] = "#32770";

bool IsDialogWindow(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return std::strcmp(name, kDialogClass) == 0;
}

struct Search {
  int childId;
  HWND except;
  const char* title;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM context) {
  Search& search = *reinterpret_cast<Search*>(context);
  // Visible only once it is fully built and initialised.
  if (window == search.except || !IsDialogWindow(window) || !IsWindowVisible(window)) return TRUE;
  if (search.childId != 0 && GetDlgItem(window, search.childId) == nullptr) return TRUE;
  if (search.title != nullptr && WindowText(window) != search.title) return TRUE;
  search.found = window;
  return FALSE;
}

HWND WaitForDialog(DWORD threadId, Search search, DWORD timeoutMs) {
  WaitUntil(
      [&] {
        EnumThreadWindows(threadId, &MatchDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      timeoutMs);
  return search.found;
}

BOOL CALLBACK CollectText(HWND window, LPARAM context) {
  reinterpret_cast<std::vector<std::string>*>(context)->push_back(WindowText(window));
  return TRUE;
}

}  // namespace

HWND FindDialog(DWORD threadId, int childId, DWORD timeoutMs) {
  return WaitForDialog(threadId, {childId, nullptr, nullptr, nullptr}, timeoutMs);
}

HWND FindMessageBox(DWORD threadId, HWND except, const char* title, DWORD timeoutMs) {
  return WaitForDialog(threadId, {0, except, title, nullptr}, timeoutMs);
}

std::string WindowText(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::vector<std::string> ChildTexts(HWND parent) {
  std::vector<std::string> texts;
  EnumChildWindows(parent, &CollectText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

std::vector<std::string> ComboItems(HWND dialog, int comboId) {
  std::vector<std::string> items;
  const LRESULT count = SendDlgItemMessageA(dialog, comboId, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[256] = {};
    if (SendDlgItemMessageA(dialog, comboId, CB_GETLBTEXTLEN, i, 0) >= LRESULT{sizeof text}) {
      items.push_back("<too long>");
      continue;
    }
    SendDlgItemMessageA(dialog, comboId, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

bool PickItem(HWND dialog, int comboId, const char* text) {
  const LRESULT index = SendDlgItemMessageA(dialog, comboId, CB_FINDSTRINGEXACT, WPARAM(-1),
                                            reinterpret_cast<LPARAM>(text));
  if (index == CB_ERR) return false;
  SendDlgItemMessageA(dialog, comboId, CB_SETCURSEL, index, 0);
  HWND combo = GetDlgItem(dialog, comboId);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  return true;
}

void Click(HWND dialog, int buttonId) {
  PostMessageA(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

bool IsChecked(HWND dialog, int buttonId) {
  return SendDlgItemMessageA(dialog, buttonId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabled(HWND dialog, int controlId) {
  return IsWindowEnabled(GetDlgItem(dialog, controlId)) != FALSE;
}

}  // namespace browsetest
