// Reads and writes of one address as a host makes them: the data type found
// by asking the driver's own parser, a value cell or a text buffer to match,
// and guard bytes behind every buffer the driver writes into.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "driver_session.h"

namespace vpihost {

// The first of `candidates` that the driver's parser accepts for `address`;
// 0 when it accepts none.
int32_t DiscoverType(DriverSession* session, const std::string& address,
                     const std::vector<int32_t>& candidates);

struct Transfer {
  int32_t result = 0;
  int32_t type = 0;       // data type used; 0 when none was known
  bool hasValue = false;  // a read that produced a value
  std::string value;      // the value read, as the console shows it
  bool overrun = false;   // the driver wrote past the buffer it was given
};

// Reads `address` as `type` (1, 5 or 6: a value cell; 7: a 50-byte text
// buffer; 0: unknown, a 50-byte buffer that can hold either).
Transfer ReadValue(DriverSession* session, const std::string& address, int32_t type);

// A value made ready for a write: a cell for the numeric types, a
// NUL-terminated text for TEXT.
struct WriteBuffer {
  int32_t type = 0;
  VpiValue cell{};
  std::vector<char> text;
};

// Prepares `valueText` for a write as `type`; type 0 (none known) takes the
// value's form: a number goes as INT16, anything else as TEXT. False, with
// `error` set, when the type needs a number and the text is none.
bool EncodeWriteValue(int32_t type, const std::string& valueText, WriteBuffer* out,
                      std::string* error);

// Slot 7 with `value` for `address`.
int32_t SendWrite(DriverSession* session, const std::string& address, WriteBuffer* value);

}  // namespace vpihost
