// Slot 3: is the address one of ours, with the data type the host asks for?
#include "address/address_name.h"
#include "entry/host_log.h"
#include "entry/slots.h"

namespace vpi {
namespace {

// Groups in the order they are tried, and whether an accepted name of the
// group marks the request as a flag item (parseCode 1).
struct ParsedGroup {
  const NameGroup* group;
  bool flagItem;
};

const ParsedGroup kParseOrder[] = {
    {&kFunctionNames, true},   {&kStatusNames, true},     {&kResultNames, false},
    {&kParameterNames, false}, {&kTextParameters, false}, {&kWindowItems, false},
};

constexpr int32_t kParseCodeDefault = 16;
constexpr int32_t kParseCodeFlag = 1;

void ResetParseOutputs(VpiRequest* request) {
  request->valueType = -1;
  request->parseCode = kParseCodeDefault;
  request->parseInfo1 = 0;
  request->parseInfo2 = 0;
  request->parseInfo3 = 0;
}

int32_t MatchGroups(const DriverData* data, VpiRequest* request) {
  for (const ParsedGroup& entry : kParseOrder) {
    if (!NameInGroup(data, *entry.group)) continue;
    if (request->requestedType != entry.group->dataType) return VPI_INVALID;
    if (entry.flagItem) request->parseCode = kParseCodeFlag;
    HostLog(kLogEntry, "DARAZO: GAS %s pass the Parse function.", request->addressText);
    return VPI_OK;
  }
  HostLog(kLogDetail, "VTR: invalid chars in address");
  return VPI_INVALID;
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
  return MatchGroups(data, request);
}

}  // namespace vpi
