#include "exchange/staged_write.h"

#include <cstddef>
#include <cstring>

#include "address/vocabulary.h"
#include "core/bounded_text.h"
#include "core/driver_data.h"
#include "exchange/bracketed_fields.h"
#include "exchange/value_cell.h"

namespace vpi {
namespace {

enum : int { kWindowParameter = 0, kSourceParameter = 1 };

constexpr int kColorComponents = 3;
constexpr size_t kComponentSize = 20;  // at most 19 characters each

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

uint32_t Component(const char* field) {
  return static_cast<uint16_t>(FieldToInt16(field));
}

}  // namespace

bool WriteParameter(VpiCall* call, const void* cell, int position) {
  const VpiRequest* request = static_cast<const VpiRequest*>(call->request);
  if (position < 0 || position >= kParameterNames.count) return false;
  if (request->valueType != VPI_TYPE_INT16) return false;
  StoreParameter(call->driverData, position, StoredValue(position, ReadValue16(cell)));
  return true;
}

int32_t WriteCaption(DriverData* data, const char* text) {
  return CopyTextIfFits(data->caption, kCaptionSize, text) ? VPI_OK : VPI_INVALID;
}

int32_t WriteColor(DriverData* data, const char* text) {
  char working[kHostTextSize]{};
  if (!CopyTextIfFits(working, sizeof working, text)) return VPI_INVALID;
  if (std::strchr(working, ')') == nullptr || std::strchr(working, '(') == nullptr) {
    return VPI_INVALID;
  }
  char fields[kColorComponents][kComponentSize]{};
  const int taken = SplitBracketedFields(working, fields[0], kColorComponents, kComponentSize);
  if (taken < kColorComponents) return VPI_INVALID;
  const uint32_t packed =
      Component(fields[0]) | Component(fields[1]) << 8 | Component(fields[2]) << 16;
  data->color = static_cast<int32_t>(packed);
  return VPI_OK;
}

}  // namespace vpi
