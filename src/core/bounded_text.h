// Fixed-size text fields are written only through these bounded copies.
#pragma once

#include <cstddef>

namespace vpi {

// Copies `source` with its NUL into `target` of `capacity` bytes when it fits
// and returns true; otherwise leaves `target` untouched and returns false.
bool CopyTextIfFits(char* target, size_t capacity, const char* source);

// Copies the first `length` bytes of `source` and a NUL into `target` of
// `capacity` bytes when they fit (length < capacity); otherwise false and
// `target` untouched.
bool CopySpanIfFits(char* target, size_t capacity, const char* source, size_t length);

// Length of `text` when it is shorter than `limit`, else `limit`: reads at
// most `limit` bytes.
size_t BoundedLength(const char* text, size_t limit);

}  // namespace vpi
