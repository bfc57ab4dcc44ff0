#include "browse_user.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "address/browse_resource.h"
#include "console_platform.h"
#include "platform/dialog.h"
#include "result_names.h"

namespace vpihost {
namespace {

using vpi::platform::kIdCancel;
using vpi::platform::kIdOk;

struct ListSide {
  int list;
  int radio;
  const char* title;
};

const ListSide kSides[] = {
    {IDC_FUNCTION_LIST, IDC_FUNCTION_RADIO, "Function"},
    {IDC_PARAMETER_LIST, IDC_PARAMETER_RADIO, "Parameter"},
};

bool SameIgnoringCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return i == a.size() && b[i] == '\0';
}

}  // namespace

void BrowseUser::Act(void* context, void* dialog) {
  BrowseUser* user = static_cast<BrowseUser*>(context);
  if (user->name_ == "cancel") {
    user->out_ << "  dialog: Cancel\n";
    user->model_.press(dialog, kIdCancel);
  } else if (!user->name_.empty()) {
    if (!user->Choose(dialog, user->name_)) {
      user->out_ << "  dialog: no list holds \"" << user->name_ << "\"; Cancel\n";
      user->model_.press(dialog, kIdCancel);
    }
  } else if (user->interactive_) {
    user->Ask(dialog);
  }
}

void BrowseUser::ShowLists(void* dialog) const {
  int number = 0;
  for (const ListSide& side : kSides) {
    const int count = model_.listCount(dialog, side.list);
    out_ << "  " << side.title << " list"
         << (model_.isEnabled(dialog, side.list) ? "" : " (disabled)") << ":\n";
    for (int i = 0; i < count; ++i) {
      char cell[48];
      std::snprintf(cell, sizeof cell, "%4d %-13s", ++number,
                    model_.listItem(dialog, side.list, i));
      out_ << cell << ((i % 5 == 4 || i + 1 == count) ? "\n" : "");
    }
  }
}

void BrowseUser::Ask(void* dialog) {
  ShowLists(dialog);
  out_ << "  Type a name or its number to pick it and press OK; \"ok\" presses OK alone;\n"
          "  \"cancel\" or an empty line presses Cancel.\n";
  std::string line;
  while (model_.isOpen(dialog) != 0) {
    out_.flush();
    if (!ReadEditedLine("browse> ", &line) || line.empty() || line == "cancel") {
      model_.press(dialog, kIdCancel);
    } else if (line == "ok") {
      PressOk(dialog);
    } else if (!Choose(dialog, line)) {
      out_ << "  no list holds \"" << line << "\"\n";
    }
  }
}

bool BrowseUser::Choose(void* dialog, const std::string& name) {
  long long wanted = 0;
  const bool byNumber = ParseInteger(name, 1, 1000, &wanted);
  int number = 0;
  for (const ListSide& side : kSides) {
    const int count = model_.listCount(dialog, side.list);
    for (int i = 0; i < count; ++i) {
      const char* item = model_.listItem(dialog, side.list, i);
      ++number;
      if (item == nullptr || (byNumber ? number != wanted : !SameIgnoringCase(name, item))) {
        continue;
      }
      model_.press(dialog, side.radio);
      model_.pick(dialog, side.list, item);
      out_ << "  dialog: " << side.title << ", picked " << item << ", OK\n";
      PressOk(dialog);
      return true;
    }
  }
  return false;
}

void BrowseUser::PressOk(void* dialog) {
  const VpiModelRun* run = model_.lastRun();
  const int boxes = run->messageBoxes;
  model_.press(dialog, kIdOk);
  if (run->messageBoxes > boxes) {
    out_ << "  dialog: message box \"" << run->boxText << "\" (" << run->boxTitle << "), OK\n";
  }
  if (model_.isOpen(dialog) != 0) out_ << "  dialog: still open\n";
}

}  // namespace vpihost
