#include "exchange/function_commands.h"

// The fifteen function commands: writing 1 to one of them sends staged values
// to the device for the staged window.
#include "address/vocabulary.h"
#include "core/bounded_text.h"
#include "exchange/regions.h"
#include "exchange/source_lookup.h"
#include "exchange/value_cell.h"
#include "exchange/window_call.h"

namespace vpi {

namespace {

using Command = int32_t (*)(DriverData* data);

uint8_t LowByte(int16_t value) {
  return static_cast<uint8_t>(static_cast<uint16_t>(value) & 0xFF);
}

int32_t SendMode(DriverData* d) {
  return FinishCall(d, d->InsertionMode(StagedConnection(d), LowByte(d->mode)));
}
int32_t SendColorKey(DriverData* d) {
  return FinishCall(d, d->ColorKey(StagedConnection(d), d->color));
}
int32_t SendHue(DriverData* d) {
  return FinishCall(d, d->SetHue(StagedConnection(d), LowByte(d->hue)));
}
int32_t SendSaturation(DriverData* d) {
  return FinishCall(d, d->SetSaturation(StagedConnection(d), LowByte(d->saturation)));
}
int32_t SendContrast(DriverData* d) {
  return FinishCall(d, d->SetContrast(StagedConnection(d), LowByte(d->contrast)));
}
int32_t SendBrightness(DriverData* d) {
  return FinishCall(d, d->SetBrightness(StagedConnection(d), LowByte(d->brightness)));
}
int32_t SendZoom(DriverData* d) {
  return FinishCall(
      d, d->SetZoom(StagedConnection(d), d->zoomX, d->zoomY, d->zoomWidth, d->zoomHeight));
}

// The stored caption is sent as it is; the copy only guarantees its end.
int32_t SendCaption(DriverData* d) {
  char caption[kCaptionSize];
  CopySpanIfFits(caption, sizeof caption, d->caption, BoundedLength(d->caption, kCaptionSize - 1));
  return FinishCall(d, d->SetVideoCaption(StagedConnection(d), caption));
}

int32_t SendZOrder(DriverData* d) {
  return FinishCall(d, d->SetZOrder(StagedConnection(d), int32_t{d->zOrder}));
}

// Moves the window without touching the regions it is recorded to hold.
int32_t SendPosition(DriverData* d) {
  return FinishCall(d, d->SetVideoPosition(StagedConnection(d), d->x, d->y, d->width, d->height));
}

int32_t HideWindow(DriverData* d) {
  if (d->windowShown[d->window] == 0) return VPI_INVALID;
  const int32_t result = FinishCall(d, d->HideVideo(StagedConnection(d)));
  if (result == VPI_OK) MarkWindowHidden(d, d->window);
  return result;
}

int32_t FreezeWindow(DriverData* d) {
  return FinishCall(d, d->StillVideo(StagedConnection(d)));
}

// Frees the regions of the staged rectangle, then shows live video there.
int32_t ShowMotion(DriverData* d) {
  const RegionFlags flags = ComputeCoveredRegions(d->x, d->y, d->width, d->height);
  if (!ClearCoveredRegions(d, flags)) return VPI_FAILED;
  const int32_t result = FinishCall(d, d->MotionVideo(StagedConnection(d)));
  if (result == VPI_OK) MarkWindowShown(d, d->window, flags);
  return result;
}

int32_t SelectSource(DriverData* d) {
  if (!SourceStored(d, d->source)) return VPI_INVALID;
  return FinishCall(d, d->SelectVideoSource(StagedConnection(d), d->sources[d->source].id));
}

// In FunctionTable order, FMODE to FSELECT; FSOURCEINFO has no command.
constexpr Command kCommands[] = {
    SendMode,       SendColorKey, SendHue,     SendSaturation, SendContrast,
    SendBrightness, SendZoom,     SendCaption, SendZOrder,     SendPosition,
    HideWindow,     FreezeWindow, ShowMotion,  SelectSource,
};
static_assert(sizeof kCommands / sizeof kCommands[0] == kFSourceInfo, "one command per name");

bool WrittenOne(const VpiRequest* request) {
  if (request->value == nullptr) return false;
  return static_cast<uint16_t>(ReadValue16(request->value)) == 1;
}

}  // namespace

int32_t RunFunctionCommand(VpiCall* call, const VpiRequest* request, int command) {
  if (request->valueType != VPI_TYPE_FLAG) return VPI_INVALID;
  if (command < 0 || command > kFSourceInfo || !WrittenOne(request)) return VPI_INVALID;
  // FSOURCEINFO is accepted as it is: it makes no call and reads no index.
  if (command == kFSourceInfo) return VPI_OK;
  DriverData* data = call->driverData;
  if (!StagedWindowUsable(data)) return VPI_INVALID;
  return kCommands[command](data);
}

}  // namespace vpi
