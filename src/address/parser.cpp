// Placeholder until the parser lands.
#include "entry/slots.h"
namespace vpi {
int32_t SingleParser(VpiCall*) { return VPI_INVALID; }
}  // namespace vpi
