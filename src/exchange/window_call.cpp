#include "exchange/window_call.h"

#include "core/vpi_records.h"

namespace vpi {

bool WindowHasConnection(int window) {
  return window >= 0 && window < kOpenConnections;
}

bool StagedWindowUsable(const DriverData* data) {
  return WindowHasConnection(data->window);
}

int32_t StagedConnection(const DriverData* data) {
  return data->connections[data->window];
}

bool RecordOutcome(DriverData* data, int32_t answer) {
  const bool succeeded = CallSucceeded(answer);
  data->lastResult = succeeded ? 1 : 0;
  return succeeded;
}

int32_t FinishCall(DriverData* data, int32_t answer) {
  return RecordOutcome(data, answer) ? VPI_OK : VPI_FAILED;
}

}  // namespace vpi
