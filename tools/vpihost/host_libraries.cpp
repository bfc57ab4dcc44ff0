#include "host_libraries.h"

#include "console_platform.h"

namespace vpihost {
namespace {

// Binds `name` into `target`; false when the library lacks it.
template <typename Fn>
bool Bind(LibraryHandle library, const char* name, Fn* target) {
  void* symbol = FindSymbol(library, name);
  *target = reinterpret_cast<Fn>(symbol);
  return symbol != nullptr;
}

bool LoadStandin(const std::string& path, StandinControls* controls, std::string* reason) {
  LibraryHandle library = LoadLibraryAt(path, reason);
  if (library == nullptr) return false;
  bool all = Bind(library, "QelStandinSetSink", &controls->setSink);
  all = Bind(library, "QelStandinSetLevelMask", &controls->setLevelMask) && all;
  if (!all) *reason = "it lacks the stand-in controls";
  return all;
}

bool LoadSimulator(const std::string& path, SimulatorControls* sim, std::string* reason) {
  LibraryHandle library = LoadLibraryAt(path, reason);
  if (library == nullptr) return false;
  bool all = Bind(library, "RvSimConfigure", &sim->configure);
  all = Bind(library, "RvSimAddFault", &sim->addFault) && all;
  all = Bind(library, "RvSimClearFaults", &sim->clearFaults) && all;
  all = Bind(library, "RvSimTrace", &sim->trace) && all;
  all = Bind(library, "RvSimClearTrace", &sim->clearTrace) && all;
  all = Bind(library, "RvSimCallCount", &sim->callCount) && all;
  all = Bind(library, "RvSimBadHandleCalls", &sim->badHandleCalls) && all;
  all = Bind(library, "RvSimOpenConnections", &sim->openConnections) && all;
  all = Bind(library, "RvSimWall", &sim->wall) && all;
  if (!all) *reason = "it lacks the simulator controls";
  // The network mode's two controls come as a pair, or not at all.
  if (!Bind(library, "RvSimUseServer", &sim->useServer) ||
      !Bind(library, "RvSimServerName", &sim->serverName)) {
    sim->useServer = nullptr;
    sim->serverName = nullptr;
  }
  return all;
}

}  // namespace

bool LoadHostLibraries(const LibraryPaths& paths, HostLibraries* out, std::string* error,
                       std::vector<std::string>* warnings) {
  const LibraryFileNames& names = PlatformLibraryNames();
  std::string reason;
  out->hasStandin = LoadStandin(paths.standin, &out->standin, &reason);
  if (!out->hasStandin) {
    warnings->push_back(std::string("host stand-in ") + names.standin + " not usable (" + reason +
                        "): no host log lines");
  }
  reason.clear();
  out->hasSimulator = LoadSimulator(paths.simulator, &out->simulator, &reason);
  if (!out->hasSimulator) {
    warnings->push_back(std::string("simulator ") + names.simulator + " not usable (" + reason +
                        "): no wall, trace, fault or sim commands");
  }
  reason.clear();
  out->driverPath = paths.driver;
  LibraryHandle driver = LoadLibraryAt(paths.driver, &reason);
  if (driver == nullptr) {
    *error = "driver library not found or not loadable: " + paths.driver + " (" + reason + ")";
    return false;
  }
  if (!Bind(driver, "VpiMain", &out->vpiMain)) {
    *error = "driver library " + paths.driver + " exports no VpiMain";
    return false;
  }
  out->hasDialogModel = PlatformDialogModel(&out->dialogModel);
  return true;
}

}  // namespace vpihost
