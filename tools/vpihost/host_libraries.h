// The three libraries a console session runs with: the host stand-in and the
// simulator, loaded by path from beside the console, then the driver, loaded
// by path as a host loads it. The stand-in and simulator controls are found
// by name; either library may be missing, the driver may not.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/vpi_records.h"
#include "dialog-model/dialog_model.h"
#include "library_paths.h"
#include "rvideo-sim/rvsim.h"

namespace vpihost {

using VpiMainFn = int32_t(VPI_STDCALL*)(VpiCall*);

using LogSinkFn = void (*)(void* context, int level, const char* line);

struct StandinControls {
  void (*setSink)(LogSinkFn sink, void* context) = nullptr;
  void (*setLevelMask)(uint32_t mask) = nullptr;
};

struct SimulatorControls {
  int (*configure)(const char* config) = nullptr;
  void (*addFault)(const char* function, int from, int count, int32_t result) = nullptr;
  void (*clearFaults)() = nullptr;
  const char* (*trace)() = nullptr;
  void (*clearTrace)() = nullptr;
  int (*callCount)() = nullptr;
  int (*badHandleCalls)() = nullptr;
  int (*openConnections)() = nullptr;
  int (*wall)(RvSimWindow* windows, int capacity) = nullptr;
  // Where the controls above go (RvSimUseServer); null in a simulator
  // without a network mode, whose controls are always its own.
  int (*useServer)(const char* hostName) = nullptr;
  const char* (*serverName)() = nullptr;
};

// The browse dialog model the console lends the driver where the system has
// no dialogs (builds without a Windows user interface); see
// dialog-model/dialog_model.h.
struct DialogModelControls {
  void (*setUser)(void (*user)(void* context, void* dialog), void* context) = nullptr;
  int (*pick)(void* dialog, int listId, const char* text) = nullptr;
  int (*press)(void* dialog, int buttonId) = nullptr;
  int (*listCount)(void* dialog, int listId) = nullptr;
  const char* (*listItem)(void* dialog, int listId, int index) = nullptr;
  int (*isEnabled)(void* dialog, int controlId) = nullptr;
  int (*isOpen)(void* dialog) = nullptr;
  const VpiModelRun* (*lastRun)() = nullptr;
};

struct HostLibraries {
  VpiMainFn vpiMain = nullptr;
  std::string driverPath;
  bool hasStandin = false;
  StandinControls standin;
  bool hasSimulator = false;
  SimulatorControls simulator;
  bool hasDialogModel = false;
  DialogModelControls dialogModel;
};

// Loads the stand-in and the simulator, then the driver, from `paths`. False,
// with the reason in `error`, when the driver or its VpiMain cannot be had; a
// missing stand-in or simulator only adds a line to `warnings`. The dialog
// model is the console's own and is absent where the driver shows a real dialog.
bool LoadHostLibraries(const LibraryPaths& paths, HostLibraries* out, std::string* error,
                       std::vector<std::string>* warnings);

}  // namespace vpihost
