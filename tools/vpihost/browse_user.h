// The person at the driver's browse dialog model: picks the name it was
// given, or, at a terminal, shows the two lists as a pick list and asks.
#pragma once

#include <ostream>
#include <string>

#include "host_libraries.h"

namespace vpihost {

class BrowseUser {
 public:
  // `name` empty and `interactive`: ask at the terminal; `name` "cancel":
  // press Cancel; any other name: pick it in the list that holds it, then OK.
  BrowseUser(const DialogModelControls& model, std::ostream& out, bool interactive,
             std::string name)
      : model_(model), out_(out), interactive_(interactive), name_(std::move(name)) {}

  // The model's user callback; `context` is the BrowseUser.
  static void Act(void* context, void* dialog);

 private:
  void ShowLists(void* dialog) const;
  void Ask(void* dialog);
  // Picks `name` (any case, or its number in the lists shown) and presses OK.
  bool Choose(void* dialog, const std::string& name);
  void PressOk(void* dialog);

  const DialogModelControls& model_;
  std::ostream& out_;
  bool interactive_;
  std::string name_;
};

}  // namespace vpihost
