// Marks the guard bytes around host buffers as unreadable where the build
// has AddressSanitizer, so that a read past a buffer is reported as well as a
// write. Without it both functions do nothing and only the guard check runs.
#pragma once

#include <cstddef>

namespace vpifuzz {

void PoisonMemory(const void* address, size_t size);
void UnpoisonMemory(const void* address, size_t size);

}  // namespace vpifuzz
