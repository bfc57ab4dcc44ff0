// The dialog operations on Windows: the real modal dialog from the driver's
// resources, driven through the user interface calls.
#include <windows.h>

#include "platform/dialog.h"

namespace vpi::platform {
namespace {

HWND Window(WindowHandle handle) {
  return static_cast<HWND>(handle);
}

}  // namespace

ModuleHandle DriverModule() {
  return GetModuleHandleA("VPIKDVTR.DLL");
}

intptr_t RunModalDialog(ModuleHandle module, int templateId, WindowHandle owner,
                        DialogProcedure procedure, intptr_t initParam) {
  // A dialog procedure has exactly this shape; only the handle type differs.
  const DLGPROC windowsProcedure = reinterpret_cast<DLGPROC>(procedure);
  return DialogBoxParamA(static_cast<HINSTANCE>(module), MAKEINTRESOURCEA(templateId),
                         Window(owner), windowsProcedure, initParam);
}

void AddListItem(WindowHandle dialog, int listId, const char* text) {
  SendDlgItemMessageA(Window(dialog), listId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void EnableControl(WindowHandle dialog, int controlId, bool enable) {
  EnableWindow(GetDlgItem(Window(dialog), controlId), enable ? TRUE : FALSE);
}

size_t ReadControlText(WindowHandle dialog, int controlId, char* buffer, size_t capacity) {
  if (capacity == 0) return 0;
  const int limit = capacity > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(capacity);
  const UINT copied = GetDlgItemTextA(Window(dialog), controlId, buffer, limit);
  return copied;
}

void ClickButton(WindowHandle dialog, int buttonId) {
  SendDlgItemMessageA(Window(dialog), buttonId, BM_CLICK, 0, 0);
}

void ShowMessageBox(WindowHandle owner, const char* text, const char* title) {
  MessageBoxA(Window(owner), text, title, MB_OK);
}

void EndModalDialog(WindowHandle dialog, intptr_t result) {
  EndDialog(Window(dialog), result);
}

}  // namespace vpi::platform
