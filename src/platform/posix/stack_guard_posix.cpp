// POSIX side: the C library sets the guard when the process starts.
#include "platform/stack_guard.h"

namespace vpi::platform {

VPI_UNGUARDED void ArmStackGuard() {}

}  // namespace vpi::platform
