#include "support/open_files.h"

#include <filesystem>
#include <iterator>
#include <system_error>

namespace vpitest {

int OpenFileCount() {
  namespace fs = std::filesystem;
  // A Windows path has no such folder; Wine would map the name onto the
  // files of its own Linux process instead, so only a POSIX build looks.
  if (fs::path::preferred_separator != '/') return -1;
  std::error_code error;
  fs::directory_iterator entries("/proc/self/fd", error);
  if (error) return -1;
  return static_cast<int>(std::distance(fs::begin(entries), fs::end(entries)));
}

bool RenameAndDelete(const std::string& path) {
  namespace fs = std::filesystem;
  const std::string moved = path + ".moved";
  std::error_code error;
  fs::rename(path, moved, error);
  if (error) return false;
  fs::rename(moved, path, error);
  if (error) return false;
  return fs::remove(path, error) && !error;
}

}  // namespace vpitest
