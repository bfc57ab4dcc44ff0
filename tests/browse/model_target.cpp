// The browse scenarios' target on POSIX: the driver's core linked in, its
// dialog lent by the dialog model, whose user acts on the calling thread.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "address/browse_dialog.h"
#include "browse_target.h"
#include "dialog-model/dialog_model.h"
#include "support/station.h"

namespace browsetest {
namespace {

std::vector<std::string> Items(void* dialog, int listId, const char* (*item)(void*, int, int)) {
  std::vector<std::string> items;
  for (int i = 0; const char* text = item(dialog, listId, i); ++i) items.push_back(text);
  return items;
}

class ModelScreen : public Screen {
 public:
  explicit ModelScreen(void* dialog) : dialog_(dialog) {}
  void* Dialog() override { return dialog_; }
  bool Pick(int listId, const char* text) override {
    return VpiModelPick(dialog_, listId, text) != 0;
  }
  bool Press(int buttonId) override { return VpiModelPress(dialog_, buttonId) != 0; }
  std::vector<std::string> Items(int listId) override {
    return browsetest::Items(dialog_, listId, &VpiModelListItem);
  }
  std::optional<std::vector<std::string>> ItemsAdded(int listId) override {
    return browsetest::Items(dialog_, listId, &VpiModelListAdded);
  }
  std::string Selection(int listId) override {
    const char* text = VpiModelListSelection(dialog_, listId);
    return text != nullptr ? text : "";
  }
  bool IsEnabled(int controlId) override { return VpiModelIsEnabled(dialog_, controlId) != 0; }
  bool IsChecked(int buttonId) override { return VpiModelIsChecked(dialog_, buttonId) != 0; }
  bool IsOpen() override { return VpiModelIsOpen(dialog_) != 0; }
  int BoxCount() override { return VpiModelLastRun()->messageBoxes; }
  std::optional<int> FocusedControl() override { return std::nullopt; }
  BoxSeen LastBox() override {
    const VpiModelRun& run = *VpiModelLastRun();
    return {run.boxOwner, run.boxTitle, {run.boxText}, std::nullopt, std::nullopt};
  }

 private:
  void* dialog_;
};

void Act(void* context, void* dialog) {
  ModelScreen screen(dialog);
  (*static_cast<const User*>(context))(screen);
}

}  // namespace

BrowseRun Browse(int32_t station, VpiRequest* request, const User& user) {
  vpitest::Station block(station);
  const int shownBefore = VpiModelLastRun()->shown;
  const int refusedBefore = VpiModelLastRun()->refused;
  if (user) VpiModelSetUser(&Act, const_cast<User*>(&user));
  BrowseRun run;
  run.result = block.Call(16, request);
  VpiModelSetUser(nullptr, nullptr);
  const VpiModelRun& model = *VpiModelLastRun();
  run.shown = model.shown > shownBefore;
  run.asked = run.shown || model.refused > refusedBefore;
  if (run.shown) {
    run.owner = model.owner;
    run.leftOpen = model.closedByEscape != 0;
    run.endValue = model.result;
    run.templateId = model.templateId;
  }
  return run;
}

void* MakeOwnerWindow() {
  static char window;  // the model only hands the owner on
  return &window;
}

void DestroyOwnerWindow(void* /*window*/) {}

std::optional<std::string> DriverSelection() {
  return std::string(vpi::browseSelection);
}

}  // namespace browsetest
