// Slot 5: the result of the last command, the source count, the shown flags
// of windows 1 to 6 and the staged placement, read by exact name.
#include "exchange/single_read.h"

#include "address/address_name.h"
#include "address/vocabulary.h"
#include "exchange/placement_text.h"
#include "exchange/value_cell.h"
#include "link/open_connections.h"

namespace vpi {
namespace {

// Asks the staged window's connection for the number of sources.
int32_t ReadSourceCount(DriverData* data, void* cell) {
  const int window = data->window;
  if (window < 0 || window >= kOpenConnections || cell == nullptr) return VPI_INVALID;
  const int32_t result = data->GetNumVideoSources(data->connections[window], &data->numSources);
  if (!CallSucceeded(result)) {
    data->lastResult = 0;
    return VPI_FAILED;
  }
  data->lastResult = 1;
  WriteValue32(cell, data->numSources);
  return VPI_OK;
}

int32_t ReadResultItem(DriverData* data, int item, void* cell) {
  if (item == kFNumSources) return ReadSourceCount(data, cell);
  if (cell == nullptr) return VPI_INVALID;
  WriteValue32(cell, data->lastResult);
  return VPI_OK;
}

int32_t ReadStatus(const DriverData* data, int window, void* cell) {
  if (cell == nullptr) return VPI_INVALID;
  WriteValue16(cell, static_cast<int16_t>(data->windowShown[window]));
  return VPI_OK;
}

int32_t ReadWindowItem(const DriverData* data, int item, void* buffer) {
  if (item == kFHideSource) return VPI_OK;
  if (buffer == nullptr) return VPI_INVALID;
  return BuildPlacementText(data, static_cast<char*>(buffer)) ? VPI_OK : VPI_INVALID;
}

// Result names, status names and window items are readable; the name's one
// place in the vocabulary says which it is.
int32_t ReadByName(DriverData* data, const char* name, void* value) {
  const NamePlace place = FindName(name);
  if (place.group == &kResultNames) return ReadResultItem(data, place.position, value);
  if (place.group == &kStatusNames) return ReadStatus(data, place.position, value);
  if (place.group == &kWindowItems) return ReadWindowItem(data, place.position, value);
  return VPI_INVALID;
}

}  // namespace

int32_t SingleRead(VpiCall* call) {
  DriverData* data = call->driverData;
  const VpiRequest* request = static_cast<const VpiRequest*>(call->request);
  if (data == nullptr || request == nullptr || request->addressText == nullptr) {
    return VPI_INVALID;
  }
  const int32_t opened = EnsureConnected(data);
  if (opened != VPI_OK) return opened;
  return ReadByName(data, RequestName(request->addressText), request->value);
}

}  // namespace vpi
