// Bracketed field lists "(a,b,...)" in the texts written to COLOR and
// FSHOWWINDOW.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vpi {

constexpr int kFieldListMalformed = -1;

// Splits `text` after its first "(" into at most `count` fields of
// `capacity` bytes each (a field holds capacity - 1 characters), all zeroed
// first. Returns the number of fields taken, or kFieldListMalformed when the
// text ends before a field is closed by "," or ")", or a field is longer than
// capacity - 1. The text must contain "(".
int SplitBracketedFields(const char* text, char* fields, int count, size_t capacity);

// The value of the decimal number at the start of `field` as atoi reads it
// (leading white space, optional sign, digits up to the first other
// character, 0 when there are none), cut to its low 16 bits. Never overflows.
int16_t FieldToInt16(const char* field);

}  // namespace vpi
