// Slot 1: resets the connection and window bookkeeping, reads the station's
// initialization file and binds the video library. It opens no connection.
#include "link/cold_start.h"

#include "core/driver_data.h"
#include "core/host_log.h"
#include "link/init_file.h"
#include "link/library_binding.h"
#include "platform/platform.h"

namespace vpi {
namespace {

// Open connections are forgotten, not closed. Staged values, caption, colour,
// address, sources, host name and function pointers keep their contents.
void ResetLinkState(DriverData* data) {
  data->connected = 0;
  data->numConnections = 0;
  data->numSources = 0;
  data->lastResult = 0;
  for (int slot = 0; slot < kConnectionSlots; ++slot) data->connections[slot] = 0;
  for (int window = 0; window < kWindowRows; ++window) {
    data->windowShown[window] = 0;
    for (int region = 0; region < kRegionCount; ++region) data->regionMap[window][region] = 0;
  }
}

}  // namespace

int32_t ColdStartWithLibrary(VpiCall* call, const char* libraryName) {
  DriverData* data = call->driverData;
  if (data == nullptr) return VPI_INVALID;
  ResetLinkState(data);
  const int station = static_cast<int>(data->stationNumber);
  HostLog(kLogDetail, "Vpi%s%02d: ColdStart() entered", kDeviceTitle, station);
  if (ReadInitFile(data, call->station) != VPI_OK) {
    ClearVideoFunctions(data, 0);
    HostLog(kLogDetail, "VTR: ColdStart() Failed on loading initialization file");
    return VPI_FAILED;
  }
  if (BindVideoLibrary(data, libraryName) != VPI_OK) {
    HostLog(kLogDetail, "VTR: ColdStart() Failed on loading DLLfunctions");
    return VPI_FAILED;
  }
  HostLog(kLogDetail, "VPI%s%02d : ColdStart() end OK", kDeviceTitle, station);
  return VPI_OK;
}

int32_t ColdStart(VpiCall* call) {
  return ColdStartWithLibrary(call, platform::VideoLibraryFileName());
}

}  // namespace vpi
