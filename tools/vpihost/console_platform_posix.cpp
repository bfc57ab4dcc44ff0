// POSIX side: dlopen, the dialog model, /proc/self/exe, isatty and libedit.
#include <dlfcn.h>
#include <editline/readline.h>
#include <unistd.h>

#include <cstdlib>

#include "console_platform.h"
#include "dialog-model/dialog_model.h"
#include "host_libraries.h"

namespace vpihost {

const LibraryFileNames& PlatformLibraryNames() {
  static const LibraryFileNames names = {"libvpikdvtr.so", "libqelpro.so", "librvideo.so"};
  return names;
}

LibraryHandle LoadLibraryAt(const std::string& path, std::string* reason) {
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr && reason != nullptr) {
    const char* text = dlerror();
    *reason = text != nullptr ? text : "cannot be loaded";
  }
  return library;
}

void* FindSymbol(LibraryHandle library, const char* name) {
  return library != nullptr ? dlsym(library, name) : nullptr;
}

bool PlatformDialogModel(DialogModelControls* model) {
  model->setUser = &VpiModelSetUser;
  model->pick = &VpiModelPick;
  model->press = &VpiModelPress;
  model->listCount = &VpiModelListCount;
  model->listItem = &VpiModelListItem;
  model->isEnabled = &VpiModelIsEnabled;
  model->isOpen = &VpiModelIsOpen;
  model->lastRun = &VpiModelLastRun;
  return true;
}

std::string ExecutableDirectory() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "./";
  const std::string full(path, static_cast<size_t>(length));
  const size_t slash = full.find_last_of('/');
  return slash == std::string::npos ? "./" : full.substr(0, slash + 1);
}

bool InputIsTerminal() {
  return isatty(STDIN_FILENO) == 1;
}

void PrepareTerminalOutput() {}

bool ReadEditedLine(const std::string& prompt, std::string* line) {
  char* text = readline(prompt.c_str());
  if (text == nullptr) return false;
  line->assign(text);
  std::free(text);
  return true;
}

void RememberLine(const std::string& line) {
  add_history(line.c_str());
}

}  // namespace vpihost
