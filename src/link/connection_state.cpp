// Placeholder until the device link lands.
#include "link/connections.h"
namespace vpi {
bool LibraryBound(const DriverData*) { return false; }
int32_t EnsureConnected(DriverData*) { return VPI_FAILED; }
}  // namespace vpi
