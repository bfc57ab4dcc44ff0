// The station's initialization file: its name and the rule that reads its
// "HostName" line. Shared by the driver's cold start and the host console.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vpi {

constexpr size_t kInitFileNameSize = 32;  // "darAZO%02d.int" for any station number
constexpr int kInitLineSize = 256;        // a longer line is read in pieces

// "darAZO%02d.int" for `station` into `name` (kInitFileNameSize bytes).
void FormatInitFileName(int32_t station, char* name);

// Applies one line of the file to `hostName` (kHostNameSize bytes). Returns
// true when the line is an accepted host name line. A line that starts with
// "HostName" clears `hostName` first, also when it is then not accepted (no
// ";", no "=" before it, or a value longer than kHostNameSize - 1). The line
// is cut at its first ";".
bool ApplyHostNameLine(char* line, char* hostName);

}  // namespace vpi
