#include <windows.h>

#include "platform/platform.h"

namespace vpi::platform {

LibraryHandle OpenLibrary(const char* fileName, uint32_t* systemError) {
  HMODULE module = LoadLibraryA(fileName);
  if (module == nullptr && systemError != nullptr) *systemError = GetLastError();
  return reinterpret_cast<LibraryHandle>(module);
}

void* LibrarySymbol(LibraryHandle library, const char* name) {
  FARPROC proc = GetProcAddress(static_cast<HMODULE>(library), name);
  return reinterpret_cast<void*>(proc);
}

const char* VideoLibraryFileName() {
  return "rvideo.dll";
}

uint32_t CurrentThreadId() {
  return GetCurrentThreadId();
}

}  // namespace vpi::platform
