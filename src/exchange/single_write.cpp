// Slot 7: stages parameters, caption and colour, places or hides a source
// window by name, or hands the write on to the function commands.
#include "address/vocabulary.h"
#include "common/bounded_text.h"
#include "entry/slots.h"
#include "exchange/request_name.h"
#include "exchange/staging.h"
#include "exchange/write_steps.h"
#include "link/connections.h"

namespace vpi {
namespace {

// A step that does not claim the write answers this and the next step runs.
constexpr int32_t kNotClaimed = -1;

bool TextTooLong(const void* value) {
  return BoundedLength(static_cast<const char*>(value), kWrittenTextSize) >= kWrittenTextSize;
}

// CAPTION and COLOR; kNotClaimed when the write is not theirs.
int32_t WriteTextParameter(DriverData* data, const VpiRequest* request, const char* name) {
  const int item = FindInGroup(kTextParameters, name);
  const bool text = request->valueType == VPI_TYPE_TEXT;
  if (item == kColor && !text) return VPI_INVALID;
  if (item < 0 || !text) return kNotClaimed;
  if (TextTooLong(request->value)) return VPI_INVALID;
  const char* value = static_cast<const char*>(request->value);
  return item == kCaption ? WriteCaption(data, value) : WriteColor(data, value);
}

// FSHOWWINDOW and FHIDESOURCE written as text; kNotClaimed when the write is not theirs.
int32_t WriteWindowItem(VpiCall* call, const VpiRequest* request, const char* name) {
  const int item = FindInGroup(kWindowItems, name);
  if (item < 0 || request->valueType != VPI_TYPE_TEXT) return kNotClaimed;
  if (TextTooLong(request->value)) return VPI_INVALID;
  const char* text = static_cast<const char*>(request->value);
  return item == kFShowWindow ? ShowSourceWindow(call, text) : HideSourceWindow(call, text);
}

int32_t Dispatch(VpiCall* call, const VpiRequest* request, const char* name) {
  if (WriteParameter(call, request->value, kParameterNames.count, name)) return VPI_OK;
  int32_t result = WriteTextParameter(call->driverData, request, name);
  if (result != kNotClaimed) return result;
  result = WriteWindowItem(call, request, name);
  if (result != kNotClaimed) return result;
  return RunFunctionCommand(call, request, name);
}

}  // namespace

int32_t SingleWrite(VpiCall* call) {
  DriverData* data = call->driverData;
  const VpiRequest* request = static_cast<const VpiRequest*>(call->request);
  if (data == nullptr || request == nullptr || request->addressText == nullptr ||
      request->value == nullptr) {
    return VPI_INVALID;
  }
  const int32_t opened = EnsureConnected(data);
  if (opened != VPI_OK) return opened;
  RequestName name;
  if (!TakeRequestName(request->addressText, &name)) return VPI_INVALID;
  return Dispatch(call, request, name.name);
}

}  // namespace vpi
