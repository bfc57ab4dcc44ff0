// The station's initialization file, "darAZO%02d.int" in the current
// directory, whose "HostName" line names the video server.
#pragma once

#include <cstdint>

#include "core/driver_data.h"

namespace vpi {

// Reads the file of `station` into data->hostName and logs the host name.
// VPI_FAILED when the file cannot be opened (hostName then is untouched).
int32_t ReadInitFile(DriverData* data, int32_t station);

// The host name as a terminated text, whatever the block's field holds.
struct HostNameText {
  char text[kHostNameSize];
};
HostNameText CurrentHostName(const DriverData* data);

}  // namespace vpi
