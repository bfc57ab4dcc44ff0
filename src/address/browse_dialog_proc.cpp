// The browse dialog's procedure: fills the two lists, keeps one of them
// enabled after the radio buttons, remembers the last picked name and ends
// the dialog on OK (with a name) or Cancel.
#include <cstring>

#include "address/browse_dialog.h"
#include "address/browse_resource.h"
#include "address/vocabulary.h"

namespace vpi {
namespace {

static_assert(IDC_BROWSE_OK == platform::kIdOk && IDC_BROWSE_CANCEL == platform::kIdCancel,
              "the template's OK and Cancel are the system's");

using platform::WindowHandle;

void AddGroup(WindowHandle dialog, int listId, const NameGroup& group) {
  for (int i = 0; i < group.count; ++i) platform::AddListItem(dialog, listId, group.names[i]);
}

void FillLists(WindowHandle dialog) {
  AddGroup(dialog, IDC_FUNCTION_LIST, kFunctionNames);
  AddGroup(dialog, IDC_FUNCTION_LIST, kResultNames);
  AddGroup(dialog, IDC_FUNCTION_LIST, kWindowItems);
  AddGroup(dialog, IDC_FUNCTION_LIST, kStatusNames);
  AddGroup(dialog, IDC_PARAMETER_LIST, kParameterNames);
  AddGroup(dialog, IDC_PARAMETER_LIST, kTextParameters);
}

void EnableOnly(WindowHandle dialog, int enabledList, int disabledList) {
  platform::EnableControl(dialog, enabledList, true);
  platform::EnableControl(dialog, disabledList, false);
}

void RememberSelection(WindowHandle dialog, int listId) {
  std::memset(browseSelection, 0, sizeof browseSelection);
  platform::ReadControlText(dialog, listId, browseSelection, sizeof browseSelection);
}

void ConfirmSelection(WindowHandle dialog) {
  if (browseSelection[0] == '\0') {
    platform::ShowMessageBox(dialog, "Missing value!", "Error");
    return;
  }
  platform::EndModalDialog(dialog, platform::kIdOk);
}

void HandleCommand(WindowHandle dialog, int controlId, uint16_t notification) {
  switch (controlId) {
    case IDC_PARAMETER_RADIO:
      EnableOnly(dialog, IDC_PARAMETER_LIST, IDC_FUNCTION_LIST);
      break;
    case IDC_FUNCTION_RADIO:
      EnableOnly(dialog, IDC_FUNCTION_LIST, IDC_PARAMETER_LIST);
      break;
    case IDC_FUNCTION_LIST:
    case IDC_PARAMETER_LIST:
      if (notification == platform::kNotifySelectionChange) RememberSelection(dialog, controlId);
      break;
    case platform::kIdOk:
      ConfirmSelection(dialog);
      break;
    case platform::kIdCancel:
      platform::EndModalDialog(dialog, platform::kIdCancel);
      break;
    default:
      break;
  }
}

}  // namespace

intptr_t VPI_STDCALL BrowseDialogProc(WindowHandle dialog, uint32_t message, uintptr_t wParam,
                                      intptr_t /*lParam*/) {
  switch (message) {
    case platform::kMessageInitDialog:
      FillLists(dialog);
      platform::ClickButton(dialog, IDC_FUNCTION_RADIO);
      return 1;
    case platform::kMessageCommand:
      HandleCommand(dialog, static_cast<int>(wParam & 0xFFFFu),
                    static_cast<uint16_t>((wParam >> 16) & 0xFFFFu));
      return 1;
    default:
      return 0;
  }
}

}  // namespace vpi
