// Chosen by CMake for the builds with AddressSanitizer.
#include <sanitizer/asan_interface.h>

#include "memory_poison.h"

namespace vpifuzz {

void PoisonMemory(const void* address, size_t size) {
  ASAN_POISON_MEMORY_REGION(address, size);
}

void UnpoisonMemory(const void* address, size_t size) {
  ASAN_UNPOISON_MEMORY_REGION(address, size);
}

}  // namespace vpifuzz
