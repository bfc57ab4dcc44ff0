// Slots 12 and 11: close the station's connections. Each slot is cleared
// after its successful close, so a closed handle never reaches the library
// again, and the station counts as disconnected once anything was closed.
#include "link/close_ports.h"

#include "core/host_log.h"
#include "link/library_binding.h"

namespace vpi {
namespace {

// Closes the handle in `slot` and clears the slot; false when the close fails.
bool CloseSlot(DriverData* data, int slot) {
  if (data->CloseVideoConnection(data->connections[slot]) == 0) return false;
  data->connections[slot] = 0;
  return true;
}

// True when no connection slot holds a handle: there is nothing to close,
// bound library or not.
bool NoHandleHeld(const DriverData* data) {
  for (int slot = 0; slot < kConnectionSlots; ++slot) {
    if (data->connections[slot] != 0) return false;
  }
  return true;
}

}  // namespace

int CountedSlots(const DriverData* data) {
  const int32_t counted = data->numConnections;
  if (counted < 0) return 0;
  return counted < kConnectionSlots ? static_cast<int>(counted) : kConnectionSlots;
}

void CloseUncountedHandles(DriverData* data, int count) {
  for (int slot = 0; slot < count; ++slot) {
    if (data->connections[slot] != 0) CloseSlot(data, slot);
  }
}

int32_t ClosePorts(VpiCall* call) {
  DriverData* data = call->driverData;
  if (data == nullptr) return VPI_INVALID;
  if (NoHandleHeld(data)) return VPI_OK;
  if (!LibraryBound(data)) return VPI_FAILED;
  int32_t result = VPI_OK;
  bool closedAny = false;
  const int slots = CountedSlots(data);
  for (int slot = 0; slot < slots && result == VPI_OK; ++slot) {
    if (data->connections[slot] == 0) continue;
    if (CloseSlot(data, slot)) {
      closedAny = true;
    } else {
      result = VPI_FAILED;
    }
  }
  if (closedAny) data->connected = 0;
  return result;
}

int32_t CloseComm(VpiCall* call) {
  if (call->driverData == nullptr) return VPI_INVALID;
  const int32_t result = ClosePorts(call);
  if (result == VPI_FAILED) HostLog(kLogDetail, "DARAZO:Fail to close communication.");
  return result;
}

}  // namespace vpi
