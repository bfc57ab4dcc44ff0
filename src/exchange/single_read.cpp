// Placeholder until data exchange lands.
#include "entry/slots.h"
namespace vpi {
int32_t SingleRead(VpiCall*) { return VPI_FAILED; }
int32_t SingleWrite(VpiCall*) { return VPI_FAILED; }
}  // namespace vpi
