#include "library_paths.h"

#include <filesystem>
#include <system_error>

#include "console_platform.h"

namespace vpihost {
namespace {

// `packageFolder` is the library's folder relative to the console's in the
// package (empty where both share one folder).
std::string Locate(const std::string& directory, const char* packageFolder, const char* name) {
  std::string beside = directory + name;
  std::error_code failure;
  if (std::filesystem::exists(beside, failure) || packageFolder[0] == '\0') return beside;
  const std::string inPackage = directory + packageFolder + "/" + name;
  return std::filesystem::exists(inPackage, failure) ? inPackage : beside;
}

}  // namespace

LibraryPaths FindLibraryPaths(const std::string& consoleDirectory,
                              const std::string& driverOverride) {
  const LibraryFileNames& names = PlatformLibraryNames();
  LibraryPaths paths;
  paths.standin = consoleDirectory + names.standin;
  paths.simulator = Locate(consoleDirectory, VPI_PACKAGE_SIMULATOR_FOLDER, names.simulator);
  paths.driver = driverOverride.empty()
                     ? Locate(consoleDirectory, VPI_PACKAGE_DRIVER_FOLDER, names.driver)
                     : std::filesystem::absolute(driverOverride).string();
  return paths;
}

}  // namespace vpihost
