// The lazy open run by the read and write slots, and the common tail of every
// open: the station's count and list of video sources.
#include "link/open_connections.h"

#include "core/host_log.h"
#include "core/vpi_records.h"
#include "link/close_ports.h"
#include "link/init_file.h"
#include "link/library_binding.h"

namespace vpi {
namespace {

// Handles still in the slots (one whose close failed earlier) are closed
// before they are overwritten.
int32_t OpenSixConnections(DriverData* data) {
  CloseUncountedHandles(data, kOpenConnections);
  const HostNameText host = CurrentHostName(data);
  for (int slot = 0; slot < kOpenConnections; ++slot) {
    const int32_t handle = data->OpenVideoConnection(host.text);
    if (!OpenSucceeded(handle)) {
      HostLog(kLogDetail, "VPI%s%02d : Fail to open communication port number %d in SingleRead()",
              kDeviceTitle, static_cast<int>(data->stationNumber), slot + 1);
      CloseUncountedHandles(data, slot);
      return VPI_FAILED;
    }
    data->connections[slot] = handle;
  }
  CompleteOpen(data, kOpenConnections, kOpenConnections);
  return VPI_OK;
}

}  // namespace

int StoredSourceCount(const DriverData* data) {
  const int reported = data->numSources;
  return reported < kSourceRecords ? reported : kSourceRecords;
}

void LoadSources(DriverData* data) {
  const int32_t first = data->connections[0];
  data->GetNumVideoSources(first, &data->numSources);
  HostLog(kLogDetail, "VPI%s%02d : Number of Video Sources %d", kDeviceTitle,
          static_cast<int>(data->stationNumber), static_cast<int>(data->numSources));
  const int count = StoredSourceCount(data);
  for (int index = 0; index < count; ++index) {
    data->GetVideoSourceInfo(first, static_cast<uint8_t>(index), &data->sources[index]);
  }
}

void CompleteOpen(DriverData* data, int opened, int wanted) {
  if (opened != wanted) {
    CloseUncountedHandles(data, opened);
    return;
  }
  data->numConnections = opened;
  data->connected = 1;
  LoadSources(data);
}

// Connections are only ever opened through the bound library, and a cold
// start clears `connected` before anything can unbind it, so a connected
// station needs no look at its eighteen function pointers.
int32_t EnsureConnected(DriverData* data) {
  if (data == nullptr) return VPI_FAILED;
  if (data->connected != 0) return VPI_OK;
  if (!LibraryBound(data)) return VPI_FAILED;
  return OpenSixConnections(data);
}

}  // namespace vpi
