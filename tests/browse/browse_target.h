// What the browse scenarios act on: either the real dialog of the Windows
// driver, driven from a second thread as a user would, or the in-process
// dialog model of the POSIX build. Each target's source defines these; the
// scenarios are written once against them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/vpi_records.h"

namespace browsetest {

struct BoxSeen {
  void* owner = nullptr;
  std::string title;
  std::vector<std::string> texts;  // what the box says, buttons included where readable
  // The box's buttons, where the target can read them.
  std::optional<std::vector<std::string>> buttons;
  // Whether it went away once answered, where the target waits for that.
  std::optional<bool> gone;
};

// The open dialog as its user sees it. Each action has taken effect when it
// returns; a message box it brings up is read and answered with OK.
class Screen {
 public:
  virtual ~Screen() = default;
  virtual void* Dialog() = 0;
  // A pick in list `listId`; false when the list is off or has no `text`.
  virtual bool Pick(int listId, const char* text) = 0;
  // A click; false when the button is off or missing.
  virtual bool Press(int buttonId) = 0;
  virtual std::vector<std::string> Items(int listId) = 0;  // as shown
  // The items in the order the driver added them, where the target can tell.
  virtual std::optional<std::vector<std::string>> ItemsAdded(int listId) = 0;
  virtual std::string Selection(int listId) = 0;  // empty: none
  virtual bool IsEnabled(int controlId) = 0;
  virtual bool IsChecked(int buttonId) = 0;
  virtual bool IsOpen() = 0;
  virtual int BoxCount() = 0;  // message boxes shown while it was open
  virtual BoxSeen LastBox() = 0;
  // The control that has the keyboard focus, where the target keeps one.
  virtual std::optional<int> FocusedControl() = 0;
};

// Acts on the dialog; called only when one comes up. An empty user: nobody
// is there to answer a dialog.
using User = std::function<void(Screen&)>;

// What one call of slot 16 showed.
struct BrowseRun {
  int32_t result = -1;
  bool shown = false;     // a dialog came up
  void* owner = nullptr;  // the owner window of the dialog shown
  bool leftOpen = false;  // the user left it open and it was cancelled for them
  // Where the target can tell: whether the driver asked for a dialog at
  // all, the value the dialog ended with, its template.
  std::optional<bool> asked;
  std::optional<intptr_t> endValue;
  std::optional<int> templateId;
};

// Slot 16 for `station` with `request` (null: none), `user` acting on the
// dialog while it is open.
BrowseRun Browse(int32_t station, VpiRequest* request, const User& user);

// A host window to own the dialog, and its end.
void* MakeOwnerWindow();
void DestroyOwnerWindow(void* window);

// The name the driver keeps as picked, where the target can see it.
std::optional<std::string> DriverSelection();

}  // namespace browsetest
