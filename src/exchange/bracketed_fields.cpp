#include "exchange/bracketed_fields.h"

#include <cstring>

namespace vpi {
namespace {

// Copies one field of `text` up to the next "," or ")" into `field`.
// Returns the terminator's position, or null when the text ends first or the
// field does not fit.
const char* TakeField(const char* text, char* field, size_t capacity) {
  size_t length = 0;
  while (text[length] != ',' && text[length] != ')') {
    if (text[length] == '\0' || length + 1 >= capacity) return nullptr;
    field[length] = text[length];
    ++length;
  }
  return text + length;
}

bool IsBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

int SplitBracketedFields(const char* text, char* fields, int count, size_t capacity) {
  const char* open = std::strchr(text, '(');
  if (open == nullptr || count < 0 || capacity == 0) return kFieldListMalformed;
  std::memset(fields, 0, static_cast<size_t>(count) * capacity);
  const char* cursor = open + 1;
  int taken = 0;
  bool closed = false;
  while (taken < count && !closed) {
    const char* end = TakeField(cursor, fields + static_cast<size_t>(taken) * capacity, capacity);
    if (end == nullptr) return kFieldListMalformed;
    closed = *end == ')';
    cursor = end + 1;
    ++taken;
  }
  return taken;
}

int16_t FieldToInt16(const char* field) {
  while (IsBlank(*field)) ++field;
  const bool negative = *field == '-';
  if (*field == '-' || *field == '+') ++field;
  uint16_t value = 0;
  for (; *field >= '0' && *field <= '9'; ++field) {
    value = static_cast<uint16_t>(value * 10u + static_cast<unsigned>(*field - '0'));
  }
  if (negative) value = static_cast<uint16_t>(0u - value);
  return static_cast<int16_t>(value);
}

}  // namespace vpi
