// The name that the read and write slots look up: the request's address text
// after its first character, compared exactly as the host wrote it. It is
// looked up where the host keeps it, without a copy: the lookup reads at most
// twelve bytes of it, and a text of 32 characters or more, like any other
// text longer than the longest name, names nothing the slots serve.
#pragma once

namespace vpi {

// The text after the first character of `addressText`; the empty text when
// there is none.
const char* RequestName(const char* addressText);

}  // namespace vpi
