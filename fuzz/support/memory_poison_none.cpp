// Chosen by CMake for the builds without AddressSanitizer.
#include "memory_poison.h"

namespace vpifuzz {

void PoisonMemory(const void* /*address*/, size_t /*size*/) {}

void UnpoisonMemory(const void* /*address*/, size_t /*size*/) {}

}  // namespace vpifuzz
