#include <cstddef>
#include <cstring>

#include "address/vocabulary.h"
#include "core/driver_data.h"
#include "exchange/staging.h"
#include "exchange/value_cell.h"

namespace vpi {
namespace {

enum : int { kWindowParameter = 0, kSourceParameter = 1 };

// The sixteen staged fields stand in the block in the order of the names.
static_assert(offsetof(DriverData, mode) == offsetof(DriverData, window) + 15 * sizeof(int16_t),
              "staged parameters are contiguous and in table order");

void StoreParameter(DriverData* data, int position, int16_t value) {
  char* first = reinterpret_cast<char*>(data) + offsetof(DriverData, window);
  std::memcpy(first + static_cast<size_t>(position) * sizeof value, &value, sizeof value);
}

int16_t StoredValue(int position, int16_t written) {
  if (position != kWindowParameter && position != kSourceParameter) return written;
  return static_cast<int16_t>(static_cast<uint16_t>(written) - 1u);
}

}  // namespace

bool WriteParameter(VpiCall* call, const void* cell, int position) {
  const VpiRequest* request = static_cast<const VpiRequest*>(call->request);
  if (position < 0 || position >= kParameterNames.count) return false;
  if (request->valueType != VPI_TYPE_INT16) return false;
  StoreParameter(call->driverData, position, StoredValue(position, ReadValue16(cell)));
  return true;
}

}  // namespace vpi
