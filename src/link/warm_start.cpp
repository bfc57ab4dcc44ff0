// Slot 2: opens the station's connections again. A station never connected
// since cold start gets six fresh opens; otherwise each counted slot is closed
// and a new connection opened in turn. Failures are only logged.
#include "link/warm_start.h"

#include "core/host_log.h"
#include "link/close_ports.h"
#include "link/init_file.h"
#include "link/library_binding.h"
#include "link/open_connections.h"

namespace vpi {
namespace {

// Opens a connection and stores it at connections[*opened]; false when the
// library refuses.
bool OpenInto(DriverData* data, const HostNameText& host, int* opened) {
  const int32_t handle = data->OpenVideoConnection(host.text);
  if (!OpenSucceeded(handle)) return false;
  data->connections[*opened] = handle;
  ++*opened;
  return true;
}

void OpenFresh(DriverData* data) {
  CloseUncountedHandles(data, kOpenConnections);
  const HostNameText host = CurrentHostName(data);
  int opened = 0;
  for (int attempt = 0; attempt < kOpenConnections; ++attempt) {
    if (!OpenInto(data, host, &opened)) {
      HostLog(kLogDetail, "DARAZO: Fail to open communication port in the WarmStart().");
    }
  }
  CompleteOpen(data, opened, kOpenConnections);
}

void CloseForReopen(DriverData* data, int slot) {
  if (data->connections[slot] == 0) return;
  if (data->CloseVideoConnection(data->connections[slot]) == 0) {
    HostLog(kLogDetail, "DARAZO:Fail to close comm port %d", slot + 1);
  } else {
    data->connections[slot] = 0;
  }
}

// A new handle lands at most in the slot just closed, never in one still to
// be closed.
void Reopen(DriverData* data) {
  const HostNameText host = CurrentHostName(data);
  const int wanted = CountedSlots(data);
  int opened = 0;
  for (int slot = 0; slot < wanted; ++slot) {
    CloseForReopen(data, slot);
    if (!OpenInto(data, host, &opened)) {
      HostLog(kLogDetail, "DARAZO:Fail to open comm port in WarmStart.");
    }
  }
  CompleteOpen(data, opened, wanted);
}

}  // namespace

int32_t WarmStart(VpiCall* call) {
  DriverData* data = call->driverData;
  if (data == nullptr) return VPI_INVALID;
  if (!LibraryBound(data)) return VPI_FAILED;
  HostLog(kLogDetail, "Enter into the WarmStart().");
  data->connected = 0;
  // A negative count is none the driver wrote: nothing is closed or opened.
  if (data->numConnections == 0) {
    OpenFresh(data);
  } else if (data->numConnections > 0) {
    Reopen(data);
  }
  HostLog(kLogDetail, "DARAZO: End of WarmStart().");
  return VPI_OK;
}

}  // namespace vpi
