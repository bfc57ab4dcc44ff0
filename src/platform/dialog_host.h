// Dialogs lent by the program that loads the driver, where the system has no
// dialogs of its own (the POSIX side). Such a program exports, with C
// linkage, a function named kDialogHostSymbol that hands out these
// operations: the ones platform/dialog.h declares, with the same meaning.
// Where no program lends them, no dialog can be shown.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/dialog.h"

extern "C" {

struct VpiDialogOperations {
  vpi::platform::ModuleHandle (*driverModule)();
  intptr_t (*runModalDialog)(vpi::platform::ModuleHandle module, int templateId,
                             vpi::platform::WindowHandle owner,
                             vpi::platform::DialogProcedure procedure, intptr_t initParam);
  void (*addListItem)(vpi::platform::WindowHandle dialog, int listId, const char* text);
  void (*enableControl)(vpi::platform::WindowHandle dialog, int controlId, bool enable);
  size_t (*readControlText)(vpi::platform::WindowHandle dialog, int controlId, char* buffer,
                            size_t capacity);
  void (*clickButton)(vpi::platform::WindowHandle dialog, int buttonId);
  void (*showMessageBox)(vpi::platform::WindowHandle owner, const char* text, const char* title);
  void (*endModalDialog)(vpi::platform::WindowHandle dialog, intptr_t result);
};

using VpiDialogHostFn = const VpiDialogOperations* (*)();

}  // extern "C"

namespace vpi::platform {

constexpr const char* kDialogHostSymbol = "VpiDialogHost";

}  // namespace vpi::platform
