// The name that the read and write slots look up: the request's address text
// after its first character, compared exactly as the host wrote it.
#pragma once

#include "link/driver_data.h"

namespace vpi {

struct RequestName {
  char text[kAddressSize];  // working copy of the whole address text
  const char* name;         // into `text`, after its first character
};

// Copies `addressText` and points `name` past its first character (at the
// empty text when there is none). False when the text has 32 characters or
// more; at most 32 bytes of it are read.
bool TakeRequestName(const char* addressText, RequestName* out);

}  // namespace vpi
