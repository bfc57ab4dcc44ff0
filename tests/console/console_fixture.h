// Shared pieces of the console tests: the libraries loaded from beside the
// test as the console loads them, and a scratch directory per test.
#pragma once

#include <string>
#include <vector>

#include "host_libraries.h"

namespace consoletest {

// Loaded once per process; vpiMain is null when the driver is missing.
const vpihost::HostLibraries& Libraries();

// Enters a fresh directory below the starting one; goes back when destroyed.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string previous_;
  std::string path_;
};

std::vector<std::string> SplitLines(const std::string& text);
bool Contains(const std::string& text, const std::string& part);

}  // namespace consoletest
