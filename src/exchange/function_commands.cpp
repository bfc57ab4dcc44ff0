// Placeholder until the function commands land.
#include "exchange/write_steps.h"
namespace vpi {
int32_t RunFunctionCommand(VpiCall*, const VpiRequest*, const char*) { return VPI_INVALID; }
}  // namespace vpi
