#include "console_fixture.h"

#include <filesystem>
#include <random>
#include <sstream>

#include "console_platform.h"

namespace consoletest {

namespace fs = std::filesystem;

const vpihost::HostLibraries& Libraries() {
  static vpihost::HostLibraries libraries = [] {
    vpihost::HostLibraries loaded;
    const vpihost::LibraryPaths paths =
        vpihost::FindLibraryPaths(vpihost::ExecutableDirectory(), "");
    std::string error;
    std::vector<std::string> warnings;
    if (!vpihost::LoadHostLibraries(paths, &loaded, &error, &warnings)) {
      loaded.vpiMain = nullptr;
    }
    return loaded;
  }();
  return libraries;
}

ScratchDirectory::ScratchDirectory() {
  static int counter = 0;
  previous_ = fs::current_path().string();
  const fs::path dir = fs::current_path() / "console-scratch" /
                       (std::to_string(std::random_device{}()) + "-" + std::to_string(++counter));
  fs::create_directories(dir);
  fs::current_path(dir);
  path_ = dir.string();
}

ScratchDirectory::~ScratchDirectory() {
  fs::current_path(previous_);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace consoletest
