#include "core/bounded_text.h"

#include <cstring>

namespace vpi {

size_t BoundedLength(const char* text, size_t limit) {
  size_t length = 0;
  while (length < limit && text[length] != '\0') ++length;
  return length;
}

bool CopySpanIfFits(char* target, size_t capacity, const char* source, size_t length) {
  if (capacity == 0 || length >= capacity) return false;
  std::memcpy(target, source, length);
  target[length] = '\0';
  return true;
}

bool CopyTextIfFits(char* target, size_t capacity, const char* source) {
  const size_t length = BoundedLength(source, capacity);
  return CopySpanIfFits(target, capacity, source, length);
}

}  // namespace vpi
