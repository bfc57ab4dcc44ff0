#include <dlfcn.h>
#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

#include "platform/platform.h"

namespace vpi::platform {

LibraryHandle OpenLibrary(const char* fileName, uint32_t* systemError) {
  void* handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
  // dlopen sets no errno worth reporting; a missing or unloadable library
  // always reports ENOENT so the logged code is stable.
  if (handle == nullptr && systemError != nullptr) *systemError = ENOENT;
  return handle;
}

void* LibrarySymbol(LibraryHandle library, const char* name) {
  return dlsym(library, name);
}

const char* VideoLibraryFileName() {
  return "librvideo.so";
}

uint32_t CurrentThreadId() {
  return static_cast<uint32_t>(syscall(SYS_gettid));
}

}  // namespace vpi::platform
