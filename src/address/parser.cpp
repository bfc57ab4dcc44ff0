// Slot 3: is the address one of ours, with the data type the host asks for?
#include "address/parser.h"

#include "address/address_name.h"
#include "core/host_log.h"

namespace vpi {
namespace {

constexpr int32_t kParseCodeDefault = 16;
constexpr int32_t kParseCodeFlag = 1;

void ResetParseOutputs(VpiRequest* request) {
  request->valueType = -1;
  request->parseCode = kParseCodeDefault;
  request->parseInfo1 = 0;
  request->parseInfo2 = 0;
  request->parseInfo3 = 0;
}

// Accepted function and status names mark the request as a flag item.
bool FlagItem(const NameGroup* group) {
  return group == &kFunctionNames || group == &kStatusNames;
}

// The names being distinct, the one group that holds the name decides.
int32_t MatchName(const DriverData* data, VpiRequest* request) {
  const NamePlace place = FindName(data->address);
  if (place.group == nullptr) {
    HostLog(kLogDetail, "VTR: invalid chars in address");
    return VPI_INVALID;
  }
  if (request->requestedType != place.group->dataType) return VPI_INVALID;
  if (FlagItem(place.group)) request->parseCode = kParseCodeFlag;
  HostLog(kLogEntry, "DARAZO: GAS %s pass the Parse function.", request->addressText);
  return VPI_OK;
}

}  // namespace

int32_t SingleParser(VpiCall* call) {
  DriverData* data = call->driverData;
  VpiRequest* request = static_cast<VpiRequest*>(call->request);
  if (request == nullptr) return VPI_INVALID;
  ResetParseOutputs(request);
  HostLog(kLogDetail, "VTR: SingleParser() entered");
  const char* text = request->addressText;
  if (data == nullptr || text == nullptr || !ExtractAddressName(data, text)) {
    HostLog(kLogDetail, "DARAZO: Parse failed. Invalid GAS : %s.", text != nullptr ? text : "");
    return VPI_INVALID;
  }
  return MatchName(data, request);
}

}  // namespace vpi
