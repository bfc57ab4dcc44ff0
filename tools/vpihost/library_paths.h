// Where the console finds the libraries it loads: beside itself (the build
// folder, the Linux install), else in the package's own folders for the
// driver and the simulator, as they lie next to the console's test kit.
#pragma once

#include <string>

namespace vpihost {

struct LibraryPaths {
  std::string standin;
  std::string simulator;
  std::string driver;
};

// `consoleDirectory` ends in a separator; `driverOverride` (--driver) wins
// when not empty. A library found nowhere keeps its path beside the console,
// which the load's error then names.
LibraryPaths FindLibraryPaths(const std::string& consoleDirectory,
                              const std::string& driverOverride);

}  // namespace vpihost
