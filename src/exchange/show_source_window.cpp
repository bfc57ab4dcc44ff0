#include "exchange/show_source_window.h"

// FSHOWWINDOW: shows a named source in its own window at a place, after
// hiding the windows that hold the regions the place covers.
#include <cstring>

#include "core/bounded_text.h"
#include "core/host_limits.h"
#include "exchange/bracketed_fields.h"
#include "exchange/regions.h"
#include "exchange/source_lookup.h"
#include "exchange/window_call.h"

namespace vpi {

namespace {

constexpr int kShowFields = kPlacementFields;
constexpr size_t kNumberField = 10;  // a number field: 9 characters
constexpr int kFirstNumber = 1;
constexpr int kCaptionIndex = kPlacementCaptionField;

// A validated FSHOWWINDOW text, not yet staged.
struct ShowPlacement {
  int source;
  int16_t numbers[kPlacementNumbers];  // by PlacementNumber
  char caption[kCaptionSize];
  char deviceCaption[kHostTextSize];
};

// "name caption" as the device shows it; false when it does not fit.
bool BuildDeviceCaption(char* target, size_t capacity, const char* name, const char* caption) {
  const size_t nameLength = std::strlen(name);
  if (nameLength + 1 + std::strlen(caption) >= capacity) return false;
  CopySpanIfFits(target, capacity, name, nameLength);
  target[nameLength] = ' ';
  return CopyTextIfFits(target + nameLength + 1, capacity - nameLength - 1, caption);
}

bool ReadNumbers(char (*fields)[kHostTextSize], int16_t* numbers) {
  for (int i = 0; i < kPlacementNumbers; ++i) {
    const char* field = fields[kFirstNumber + i];
    if (BoundedLength(field, kNumberField) >= kNumberField) return false;
    numbers[i] = FieldToInt16(field);
  }
  return true;
}

// Checks the whole text before anything is staged: VPI_OK or VPI_INVALID.
int32_t ParsePlacement(const DriverData* data, const char* text, ShowPlacement* out) {
  char copy[kHostTextSize]{};
  if (text == nullptr || !CopyTextIfFits(copy, sizeof copy, text)) return VPI_INVALID;
  if (std::strchr(copy, '(') == nullptr || std::strchr(copy, ')') == nullptr) return VPI_INVALID;
  char fields[kShowFields][kHostTextSize];
  if (SplitBracketedFields(copy, &fields[0][0], kShowFields, kHostTextSize) < kShowFields) {
    return VPI_INVALID;
  }
  out->source = FindSourceByName(data, fields[0]);
  if (out->source < 0 || !WindowHasConnection(out->source)) return VPI_INVALID;
  if (!ReadNumbers(fields, out->numbers)) return VPI_INVALID;
  if (!CopyTextIfFits(out->caption, sizeof out->caption, fields[kCaptionIndex])) {
    return VPI_INVALID;
  }
  if (!BuildDeviceCaption(out->deviceCaption, sizeof out->deviceCaption, fields[0], out->caption)) {
    return VPI_INVALID;
  }
  return VPI_OK;
}

void StagePlacement(DriverData* data, const ShowPlacement& placement) {
  data->window = static_cast<int16_t>(placement.source);
  data->source = static_cast<int16_t>(placement.source);
  data->x = placement.numbers[kPlaceX];
  data->y = placement.numbers[kPlaceY];
  data->width = placement.numbers[kPlaceWidth];
  data->height = placement.numbers[kPlaceHeight];
  data->zOrder = placement.numbers[kPlaceZOrder];
  CopyTextIfFits(data->caption, sizeof data->caption, placement.caption);
}

// The five library calls on the staged window; the first refusal ends them.
int32_t ShowStagedWindow(DriverData* data, const RegionFlags& flags, const char* deviceCaption) {
  const int32_t connection = StagedConnection(data);
  if (!RecordOutcome(data, data->SelectVideoSource(connection, data->sources[data->source].id))) {
    return VPI_FAILED;
  }
  if (!RecordOutcome(
          data, data->SetVideoPosition(connection, data->x, data->y, data->width, data->height))) {
    return VPI_FAILED;
  }
  if (!RecordOutcome(data, data->MotionVideo(connection))) return VPI_FAILED;
  MarkWindowShown(data, data->window, flags);
  if (!RecordOutcome(data, data->SetVideoCaption(connection, deviceCaption))) return VPI_FAILED;
  return FinishCall(data, data->SetZOrder(connection, int32_t{data->zOrder}));
}

}  // namespace

int32_t ShowSourceWindow(VpiCall* call, const char* text) {
  DriverData* data = call->driverData;
  ShowPlacement placement{};
  const int32_t parsed = ParsePlacement(data, text, &placement);
  if (parsed != VPI_OK) return parsed;
  StagePlacement(data, placement);
  const RegionFlags flags = ComputeCoveredRegions(data->x, data->y, data->width, data->height);
  if (!ClearCoveredRegions(data, flags)) return VPI_FAILED;
  return ShowStagedWindow(data, flags, placement.deviceCaption);
}

}  // namespace vpi
