#include <cstring>

#include "core/bounded_text.h"
#include "core/driver_data.h"
#include "exchange/bracketed_fields.h"
#include "exchange/staging.h"

namespace vpi {
namespace {

constexpr int kColorComponents = 3;
constexpr size_t kComponentSize = 20;  // at most 19 characters each

uint32_t Component(const char* field) {
  return static_cast<uint16_t>(FieldToInt16(field));
}

}  // namespace

int32_t WriteColor(DriverData* data, const char* text) {
  char working[kWrittenTextSize];
  if (!CopyTextIfFits(working, sizeof working, text)) return VPI_INVALID;
  if (std::strchr(working, ')') == nullptr || std::strchr(working, '(') == nullptr) {
    return VPI_INVALID;
  }
  char fields[kColorComponents][kComponentSize];
  const int taken = SplitBracketedFields(working, fields[0], kColorComponents, kComponentSize);
  if (taken < kColorComponents) return VPI_INVALID;
  const uint32_t packed =
      Component(fields[0]) | Component(fields[1]) << 8 | Component(fields[2]) << 16;
  data->color = static_cast<int32_t>(packed);
  return VPI_OK;
}

}  // namespace vpi
