// The host's four-byte value cell: value32 is all four bytes, value16 the
// upper two. Accessed bytewise, so the cell needs no particular alignment and
// bytes 0 and 1 are never touched for 16-bit values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/vpi_records.h"

namespace vpi {

constexpr size_t kValue16Offset = 2;
static_assert(offsetof(VpiValue, half) + offsetof(decltype(VpiValue::half), value16) ==
                  kValue16Offset,
              "value16 is the upper half of the cell");

inline int16_t ReadValue16(const void* cell) {
  int16_t value;
  std::memcpy(&value, static_cast<const char*>(cell) + kValue16Offset, sizeof value);
  return value;
}

inline void WriteValue16(void* cell, int16_t value) {
  std::memcpy(static_cast<char*>(cell) + kValue16Offset, &value, sizeof value);
}

inline void WriteValue32(void* cell, int32_t value) {
  std::memcpy(cell, &value, sizeof value);
}

}  // namespace vpi
