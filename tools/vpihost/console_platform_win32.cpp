// Windows side: LoadLibraryA, GetModuleFileNameA, _isatty and plain line
// input (the console window keeps its own history).
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "console_platform.h"

namespace vpihost {

const LibraryFileNames& PlatformLibraryNames() {
  static const LibraryFileNames names = {"VPIKDVTR.DLL", "QELPRO.dll", "rvideo.dll"};
  return names;
}

LibraryHandle LoadLibraryAt(const std::string& path, std::string* reason) {
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr && reason != nullptr) {
    *reason = "LoadLibrary error " + std::to_string(GetLastError());
  }
  return reinterpret_cast<LibraryHandle>(module);
}

void* FindSymbol(LibraryHandle library, const char* name) {
  if (library == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

// The driver shows its real dialog here.
bool PlatformDialogModel(DialogModelControls* /*model*/) {
  return false;
}

std::string ExecutableDirectory() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return ".\\";
  const std::string full(path, length);
  const size_t slash = full.find_last_of("\\/");
  return slash == std::string::npos ? ".\\" : full.substr(0, slash + 1);
}

bool InputIsTerminal() {
  return _isatty(_fileno(stdin)) != 0;
}

void PrepareTerminalOutput() {
  SetConsoleOutputCP(CP_UTF8);
}

bool ReadEditedLine(const std::string& prompt, std::string* line) {
  std::fputs(prompt.c_str(), stdout);
  std::fflush(stdout);
  line->clear();
  char chunk[512];
  while (std::fgets(chunk, sizeof chunk, stdin) != nullptr) {
    line->append(chunk);
    if (!line->empty() && line->back() == '\n') break;
  }
  if (line->empty()) return false;
  while (!line->empty() && (line->back() == '\n' || line->back() == '\r')) line->pop_back();
  return true;
}

void RememberLine(const std::string& /*line*/) {}

}  // namespace vpihost
