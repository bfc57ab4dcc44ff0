// Prints the version resource of a file as the Windows API reads it, one
// "Name=value" line each: FILEVERSION, PRODUCTVERSION and the strings of the
// first translation. scripts/test-package compares them with the project's
// version. Exit status 1 when the file has no version resource.
#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

void PrintString(const std::vector<char>& block, const char* translation, const char* name) {
  char query[96];
  std::snprintf(query, sizeof query, "\\StringFileInfo\\%s\\%s", translation, name);
  char* value = nullptr;
  UINT length = 0;
  if (VerQueryValueA(block.data(), query, reinterpret_cast<void**>(&value), &length) &&
      length > 0) {
    std::printf("%s=%s\n", name, value);
  }
}

void PrintVersion(const char* name, DWORD high, DWORD low) {
  std::printf("%s=%u.%u.%u.%u\n", name, unsigned{HIWORD(high)}, unsigned{LOWORD(high)},
              unsigned{HIWORD(low)}, unsigned{LOWORD(low)});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: version_probe FILE\n");
    return 2;
  }
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(argv[1], &ignored);
  if (size == 0) return 1;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(argv[1], 0, size, block.data())) return 1;

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length)) return 1;
  PrintVersion("FILEVERSION", fixed->dwFileVersionMS, fixed->dwFileVersionLS);
  PrintVersion("PRODUCTVERSION", fixed->dwProductVersionMS, fixed->dwProductVersionLS);

  struct Translation {
    WORD language;
    WORD codePage;
  }* translations = nullptr;
  if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translations), &length) ||
      length < sizeof(Translation)) {
    return 1;
  }
  char translation[16];
  std::snprintf(translation, sizeof translation, "%04x%04x", translations->language,
                translations->codePage);
  for (const char* name : {"FileDescription", "FileVersion", "InternalName", "OriginalFilename",
                           "ProductName", "ProductVersion"}) {
    PrintString(block, translation, name);
  }
  return 0;
}
