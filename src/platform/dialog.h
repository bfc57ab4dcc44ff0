// The few dialog operations the driver needs: a modal dialog built from a
// template in the driver's own module, and the control operations its dialog
// procedure uses. Windows runs the real dialog; elsewhere the loading program
// may lend the dialogs (platform/dialog_host.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/abi.h"

namespace vpi::platform {

using ModuleHandle = void*;  // HINSTANCE on Windows
using WindowHandle = void*;  // HWND on Windows

// Same shape and convention as a Windows dialog procedure.
using DialogProcedure = intptr_t(VPI_STDCALL*)(WindowHandle dialog, uint32_t message,
                                               uintptr_t wParam, intptr_t lParam);

// The messages and notification codes the driver's procedure looks at.
constexpr uint32_t kMessageInitDialog = 0x0110;  // WM_INITDIALOG
constexpr uint32_t kMessageCommand = 0x0111;     // WM_COMMAND
constexpr uint16_t kNotifySelectionChange = 1;   // CBN_SELCHANGE
constexpr uint16_t kNotifyClicked = 0;           // BN_CLICKED
constexpr int kIdOk = 1;                         // IDOK
constexpr int kIdCancel = 2;                     // IDCANCEL

// What a dialog run answers when it cannot be shown at all.
constexpr intptr_t kDialogFailed = -1;

// The driver's own module, where its dialog templates live; null when it
// cannot be found.
ModuleHandle DriverModule();

// Runs the modal dialog `templateId` of `module` with `procedure`; returns
// the value the dialog was ended with, or kDialogFailed.
intptr_t RunModalDialog(ModuleHandle module, int templateId, WindowHandle owner,
                        DialogProcedure procedure, intptr_t initParam);

// Control operations, for use inside the dialog procedure.
void AddListItem(WindowHandle dialog, int listId, const char* text);
void EnableControl(WindowHandle dialog, int controlId, bool enable);
// Copies the control's text, NUL-terminated, into `buffer` of `capacity`
// bytes (truncated to fit); returns the length copied.
size_t ReadControlText(WindowHandle dialog, int controlId, char* buffer, size_t capacity);
// Clicks a button: checks a radio button and notifies the procedure.
void ClickButton(WindowHandle dialog, int buttonId);
// A modal message box with an OK button, owned by `owner`.
void ShowMessageBox(WindowHandle owner, const char* text, const char* title);
void EndModalDialog(WindowHandle dialog, intptr_t result);

}  // namespace vpi::platform
