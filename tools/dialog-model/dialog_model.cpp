// The in-process dialog model: the browse template's controls, taken from
// the template's own control list, kept as plain state; the procedure fed
// the same messages the real dialog would send it. The driver reaches it
// through the dialog operations this program lends (VpiDialogHost).
#include "dialog_model.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "address/browse_resource.h"
#include "platform/dialog.h"
#include "platform/dialog_host.h"

namespace vpidialog {
namespace {

using vpi::platform::DialogProcedure;
using vpi::platform::kDialogFailed;
using vpi::platform::kIdCancel;
using vpi::platform::kMessageCommand;
using vpi::platform::kMessageInitDialog;
using vpi::platform::kNotifyClicked;
using vpi::platform::ModuleHandle;
using vpi::platform::WindowHandle;

// The template's control kinds (see BROWSE_CONTROLS).
enum class ControlKind { PUSHBUTTON, AUTORADIOBUTTON, DROPDOWNLIST };

struct Control {
  int id;
  ControlKind kind;
  const char* label;
  bool enabled;
  bool checked;
  std::vector<std::string> items;  // in display order
  std::vector<std::string> added;  // in the order they were added
  int selected;                    // -1: none
};

struct ModelDialog {
  DialogProcedure procedure;
  std::vector<Control> controls;
  bool ended;
  intptr_t result;
};

struct ModelState {
  VpiModelUser user = nullptr;
  void* userContext = nullptr;
  ModelDialog* open = nullptr;
  VpiModelRun run{};
};

ModelState& Model() {
  static ModelState state;
  return state;
}

// The module token the model hands out as the driver's own module.
char moduleToken;

#define VPI_MODEL_CONTROL(kind, text, id, style, x, y, width, height) \
  {id, ControlKind::kind, text, true, false, {}, {}, -1},

std::vector<Control> BrowseTemplateControls() {
  return {BROWSE_CONTROLS(VPI_MODEL_CONTROL)};
}

#undef VPI_MODEL_CONTROL

ModelDialog* OpenDialog(void* handle) {
  ModelDialog* dialog = Model().open;
  return dialog != nullptr && dialog == handle ? dialog : nullptr;
}

ModelDialog* ActiveDialog(void* handle) {
  ModelDialog* dialog = OpenDialog(handle);
  return dialog != nullptr && !dialog->ended ? dialog : nullptr;
}

Control* FindControl(ModelDialog* dialog, int id) {
  if (dialog == nullptr) return nullptr;
  for (Control& control : dialog->controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

Control* FindList(void* handle, int id) {
  Control* control = FindControl(OpenDialog(handle), id);
  return control != nullptr && control->kind == ControlKind::DROPDOWNLIST ? control : nullptr;
}

// Copies at most capacity - 1 bytes of `text` and a NUL.
size_t CopyTruncated(char* buffer, size_t capacity, const char* text) {
  if (capacity == 0) return 0;
  const size_t length = std::min(std::strlen(text), capacity - 1);
  std::memcpy(buffer, text, length);
  buffer[length] = '\0';
  return length;
}

bool SortsBefore(const std::string& a, const std::string& b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const int left = std::toupper(static_cast<unsigned char>(a[i]));
    const int right = std::toupper(static_cast<unsigned char>(b[i]));
    if (left != right) return left < right;
  }
  return a.size() < b.size();
}

void Notify(ModelDialog& dialog, Control& control, uint16_t notification) {
  const uintptr_t wParam =
      (static_cast<uintptr_t>(notification) << 16) | static_cast<uint16_t>(control.id);
  dialog.procedure(&dialog, kMessageCommand, wParam, reinterpret_cast<intptr_t>(&control));
}

// A click: an automatic radio button becomes the checked one of the group
// (all radio buttons of the template form one group), then the procedure
// hears of it.
void Click(ModelDialog& dialog, Control& button) {
  if (button.kind == ControlKind::DROPDOWNLIST) return;
  if (button.kind == ControlKind::AUTORADIOBUTTON) {
    for (Control& other : dialog.controls) {
      if (other.kind == ControlKind::AUTORADIOBUTTON) other.checked = &other == &button;
    }
  }
  Notify(dialog, button, kNotifyClicked);
}

void StartRun(VpiModelRun& run, int templateId, WindowHandle owner) {
  const int shown = run.shown + 1;
  const int refused = run.refused;
  run = VpiModelRun{};
  run.shown = shown;
  run.refused = refused;
  run.templateId = templateId;
  run.owner = owner;
}

ModuleHandle DriverModule() {
  return &moduleToken;
}

intptr_t RunModalDialog(ModuleHandle module, int templateId, WindowHandle owner,
                        DialogProcedure procedure, intptr_t initParam) {
  ModelState& model = Model();
  const bool known = module == &moduleToken && templateId == IDD_BROWSE;
  if (model.user == nullptr || !known || procedure == nullptr || model.open != nullptr) {
    ++model.run.refused;
    return kDialogFailed;
  }
  ModelDialog dialog{procedure, BrowseTemplateControls(), false, 0};
  StartRun(model.run, templateId, owner);
  model.open = &dialog;
  procedure(&dialog, kMessageInitDialog, 0, initParam);
  if (!dialog.ended) model.user(model.userContext, &dialog);
  if (!dialog.ended) {
    model.run.closedByEscape = 1;
    Notify(dialog, *FindControl(&dialog, kIdCancel), kNotifyClicked);
  }
  model.open = nullptr;
  model.run.result = dialog.ended ? dialog.result : kDialogFailed;
  return model.run.result;
}

void AddListItem(WindowHandle dialog, int listId, const char* text) {
  Control* list = FindList(dialog, listId);
  if (list == nullptr || text == nullptr) return;
  const std::string item(text);
  const auto place = std::upper_bound(list->items.begin(), list->items.end(), item, SortsBefore);
  const int index = static_cast<int>(place - list->items.begin());
  list->items.insert(place, item);
  list->added.push_back(item);
  if (list->selected >= index) ++list->selected;
}

void EnableControl(WindowHandle dialog, int controlId, bool enable) {
  Control* control = FindControl(OpenDialog(dialog), controlId);
  if (control != nullptr) control->enabled = enable;
}

size_t ReadControlText(WindowHandle dialog, int controlId, char* buffer, size_t capacity) {
  const Control* control = FindControl(OpenDialog(dialog), controlId);
  if (control == nullptr) return CopyTruncated(buffer, capacity, "");
  if (control->kind != ControlKind::DROPDOWNLIST)
    return CopyTruncated(buffer, capacity, control->label);
  const char* text = control->selected >= 0 ? control->items[control->selected].c_str() : "";
  return CopyTruncated(buffer, capacity, text);
}

void ClickButton(WindowHandle dialog, int buttonId) {
  ModelDialog* open = ActiveDialog(dialog);
  Control* button = FindControl(open, buttonId);
  if (button != nullptr) Click(*open, *button);
}

void ShowMessageBox(WindowHandle owner, const char* text, const char* title) {
  VpiModelRun& run = Model().run;
  ++run.messageBoxes;
  run.boxOwner = owner;
  CopyTruncated(run.boxText, sizeof run.boxText, text != nullptr ? text : "");
  CopyTruncated(run.boxTitle, sizeof run.boxTitle, title != nullptr ? title : "");
}

void EndModalDialog(WindowHandle dialog, intptr_t result) {
  ModelDialog* open = ActiveDialog(dialog);
  if (open == nullptr) return;
  open->ended = true;
  open->result = result;
}

const VpiDialogOperations kOperations = {
    &DriverModule,    &RunModalDialog, &AddListItem,    &EnableControl,
    &ReadControlText, &ClickButton,    &ShowMessageBox, &EndModalDialog,
};

}  // namespace
}  // namespace vpidialog

using vpidialog::ActiveDialog;
using vpidialog::Control;
using vpidialog::ControlKind;
using vpidialog::FindControl;
using vpidialog::FindList;
using vpidialog::ModelDialog;
using vpidialog::OpenDialog;

extern "C" {

const VpiDialogOperations* VpiDialogHost() {
  return &vpidialog::kOperations;
}

void VpiModelSetUser(VpiModelUser user, void* context) {
  vpidialog::Model().user = user;
  vpidialog::Model().userContext = context;
}

int VpiModelPick(void* dialog, int listId, const char* text) {
  ModelDialog* open = ActiveDialog(dialog);
  Control* list = FindList(open, listId);
  if (list == nullptr || !list->enabled || text == nullptr) return 0;
  const auto item = std::find(list->items.begin(), list->items.end(), std::string(text));
  if (item == list->items.end()) return 0;
  list->selected = static_cast<int>(item - list->items.begin());
  vpidialog::Notify(*open, *list, vpi::platform::kNotifySelectionChange);
  return 1;
}

int VpiModelPress(void* dialog, int buttonId) {
  ModelDialog* open = ActiveDialog(dialog);
  Control* button = FindControl(open, buttonId);
  if (button == nullptr || button->kind == ControlKind::DROPDOWNLIST || !button->enabled) return 0;
  vpidialog::Click(*open, *button);
  return 1;
}

int VpiModelListCount(void* dialog, int listId) {
  const Control* list = FindList(dialog, listId);
  return list != nullptr ? static_cast<int>(list->items.size()) : -1;
}

const char* VpiModelListItem(void* dialog, int listId, int index) {
  const Control* list = FindList(dialog, listId);
  if (list == nullptr || index < 0 || index >= static_cast<int>(list->items.size())) return nullptr;
  return list->items[index].c_str();
}

const char* VpiModelListAdded(void* dialog, int listId, int index) {
  const Control* list = FindList(dialog, listId);
  if (list == nullptr || index < 0 || index >= static_cast<int>(list->added.size())) return nullptr;
  return list->added[index].c_str();
}

const char* VpiModelListSelection(void* dialog, int listId) {
  const Control* list = FindList(dialog, listId);
  if (list == nullptr || list->selected < 0) return nullptr;
  return list->items[list->selected].c_str();
}

int VpiModelIsEnabled(void* dialog, int controlId) {
  const Control* control = FindControl(OpenDialog(dialog), controlId);
  return control != nullptr && control->enabled ? 1 : 0;
}

int VpiModelIsChecked(void* dialog, int buttonId) {
  const Control* control = FindControl(OpenDialog(dialog), buttonId);
  return control != nullptr && control->checked ? 1 : 0;
}

int VpiModelIsOpen(void* dialog) {
  return ActiveDialog(dialog) != nullptr ? 1 : 0;
}

const VpiModelRun* VpiModelLastRun(void) {
  return &vpidialog::Model().run;
}

}  // extern "C"
