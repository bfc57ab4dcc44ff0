// A host stand-in for measuring: loads the driver library by file name, keeps
// one cold-started station block, and calls VpiMain with records prepared
// once, so that a measured call does nothing but the driver's own work.
#pragma once

#include <cstdint>

#include "core/driver_data.h"
#include "core/vpi_records.h"

namespace vpibench {

using VpiMainFn = int32_t(VPI_STDCALL*)(VpiCall*);

// How the host stand-in treats the driver's log lines.
enum class LogMode {
  kFiltered,   // level mask 0: every line dropped before formatting
  kFormatted,  // every line formatted, then handed to a sink that drops it
};

const char* LogModeName(LogMode mode);
// Sets the stand-in's level mask and sink for `mode`.
void ApplyLogMode(LogMode mode);

// The driver's entry point, loaded once; null when the library is missing.
VpiMainFn DriverEntry();

// One station with its call block and a request, value cell and text buffer
// that the paths fill before they are measured.
struct BenchStation {
  alignas(8) unsigned char block[sizeof(DriverData)];
  VpiCall call;
  VpiRequest request;
  VpiValue cell;
  VpiDriverInfo info;
  char address[64];
  char text[64];
};

constexpr int32_t kBenchStationNumber = 97;

// Configures the simulator: the built-in server, tracing off.
void ResetServer();

// Zeroes the block, writes the station's initialization file naming
// `hostName`, cold-starts and removes the file again. VPI_OK when the
// station is ready.
int32_t StartStation(BenchStation* station, int32_t number = kBenchStationNumber,
                     const char* hostName = "simulator");

// Calls VpiMain with the station's call block for `slot`, its request
// pointing to `request`.
int32_t CallSlot(BenchStation* station, uint32_t slot, void* request);

}  // namespace vpibench
