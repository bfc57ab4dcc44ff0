// The library's only export: logs the call and runs the slot's function.
#include "core/host_log.h"
#include "core/vpi_records.h"
#include "entry/slots.h"
#include "platform/stack_guard.h"

// Unguarded: the first call sets the stack protector's guard before any
// guarded function runs.
extern "C" VPI_UNGUARDED int32_t VPI_STDCALL VpiMain(VpiCall* call) {
  using namespace vpi;
  platform::ArmStackGuard();
  if (call == nullptr) return VPI_INVALID;
  const uint32_t function = call->function;
  HostLog(kLogEntry, "DARAZO: Entered Vpimain(), with function %d",
          static_cast<int>(function - 1u));
  if (function >= kSlotCount) {
    HostLog(kLogEntry, "DARAZO:Exited Vpmain() invalid function number");
    return VPI_FAILED;
  }
  const SlotFunction slot = VpiFunc[function];
  if (slot == nullptr) {
    HostLog(kLogEntry, "DARAZO: Exited Vpimain() pointer in VpiFunc[] is NULL");
    return VPI_FAILED;
  }
  return slot(call);
}
