// Slot 7: stages parameters, caption and colour, places or hides a source
// window by name, or hands the write on to the function commands.
#include "exchange/single_write.h"

#include "address/address_name.h"
#include "address/vocabulary.h"
#include "exchange/function_commands.h"
#include "exchange/hide_source_window.h"
#include "exchange/show_source_window.h"
#include "exchange/staged_write.h"
#include "link/open_connections.h"

namespace vpi {
namespace {

// CAPTION (item 0) and COLOR (item 1), written as text. Each step refuses a
// text longer than it takes (29 and 49 characters) with its bounded copy.
int32_t WriteTextParameter(DriverData* data, const VpiRequest* request, int item) {
  if (request->valueType != VPI_TYPE_TEXT) return VPI_INVALID;
  const char* value = static_cast<const char*>(request->value);
  return item == kCaption ? WriteCaption(data, value) : WriteColor(data, value);
}

// FSHOWWINDOW (item 0) and FHIDESOURCE (item 1), written as text. Each step
// refuses a text of more than 49 characters with its bounded copy.
int32_t WriteWindowItem(VpiCall* call, const VpiRequest* request, int item) {
  if (request->valueType != VPI_TYPE_TEXT) return VPI_INVALID;
  const char* text = static_cast<const char*>(request->value);
  return item == kFShowWindow ? ShowSourceWindow(call, text) : HideSourceWindow(call, text);
}

// The names being distinct, the name's one place in the vocabulary picks
// the step. A name written with another data type than its step takes is
// claimed by no step, nor is a status name, a result name or an unknown name.
int32_t Dispatch(VpiCall* call, const VpiRequest* request, const char* name) {
  const NamePlace place = FindName(name);
  if (place.group == &kParameterNames) {
    return WriteParameter(call, request->value, place.position) ? VPI_OK : VPI_INVALID;
  }
  if (place.group == &kTextParameters) {
    return WriteTextParameter(call->driverData, request, place.position);
  }
  if (place.group == &kWindowItems) return WriteWindowItem(call, request, place.position);
  if (place.group == &kFunctionNames) return RunFunctionCommand(call, request, place.position);
  return VPI_INVALID;
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
  return Dispatch(call, request, RequestName(request->addressText));
}

}  // namespace vpi
