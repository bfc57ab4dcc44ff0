// The dialog operations on POSIX, where the system has no dialogs: each one
// is handed to the operations the loading program lends (platform/
// dialog_host.h), looked up once among the process's global symbols. Without
// them a dialog cannot be shown and the control operations do nothing.
#include <dlfcn.h>

#include "platform/dialog.h"
#include "platform/dialog_host.h"

namespace vpi::platform {
namespace {

const VpiDialogOperations* FindLentOperations() {
  void* symbol = dlsym(RTLD_DEFAULT, kDialogHostSymbol);
  if (symbol == nullptr) return nullptr;
  return reinterpret_cast<VpiDialogHostFn>(symbol)();
}

const VpiDialogOperations* Lent() {
  static const VpiDialogOperations* const operations = FindLentOperations();
  return operations;
}

}  // namespace

ModuleHandle DriverModule() {
  return Lent() != nullptr ? Lent()->driverModule() : nullptr;
}

intptr_t RunModalDialog(ModuleHandle module, int templateId, WindowHandle owner,
                        DialogProcedure procedure, intptr_t initParam) {
  if (Lent() == nullptr) return kDialogFailed;
  return Lent()->runModalDialog(module, templateId, owner, procedure, initParam);
}

void AddListItem(WindowHandle dialog, int listId, const char* text) {
  if (Lent() != nullptr) Lent()->addListItem(dialog, listId, text);
}

void EnableControl(WindowHandle dialog, int controlId, bool enable) {
  if (Lent() != nullptr) Lent()->enableControl(dialog, controlId, enable);
}

size_t ReadControlText(WindowHandle dialog, int controlId, char* buffer, size_t capacity) {
  if (Lent() != nullptr) return Lent()->readControlText(dialog, controlId, buffer, capacity);
  if (capacity > 0) buffer[0] = '\0';
  return 0;
}

void ClickButton(WindowHandle dialog, int buttonId) {
  if (Lent() != nullptr) Lent()->clickButton(dialog, buttonId);
}

void ShowMessageBox(WindowHandle owner, const char* text, const char* title) {
  if (Lent() != nullptr) Lent()->showMessageBox(owner, text, title);
}

void EndModalDialog(WindowHandle dialog, intptr_t result) {
  if (Lent() != nullptr) Lent()->endModalDialog(dialog, result);
}

}  // namespace vpi::platform
