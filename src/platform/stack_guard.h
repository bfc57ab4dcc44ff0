// The stack protector's guard value. Where the C library does not set it
// for the driver (Windows), the driver sets it itself on its first call:
// no driver code runs while the library is loaded.
#pragma once

// Functions that run while the guard changes carry no guard check.
#define VPI_UNGUARDED __attribute__((no_stack_protector))

namespace vpi::platform {

// Gives the guard a fresh value once per process, before any guarded driver
// function runs; threads calling at once all wait for that one value.
VPI_UNGUARDED void ArmStackGuard();

}  // namespace vpi::platform
