// Block operations are not offered; slots 13 and 15 only answer.
#include "core/host_log.h"
#include "entry/slots.h"

namespace vpi {

int32_t BlockParser(VpiCall* /*call*/) {
  return VPI_INVALID;
}

int32_t BlockRead(VpiCall* /*call*/) {
  HostLog(kLogDetail, "DARAZO: VPI does not support block read.");
  return VPI_INVALID;
}

int32_t BlockWrite(VpiCall* /*call*/) {
  HostLog(kLogDetail, "DARAZO: Block Write not supported!");
  return VPI_INVALID;
}

int32_t AnswerOk(VpiCall* /*call*/) {
  return VPI_OK;
}

}  // namespace vpi
