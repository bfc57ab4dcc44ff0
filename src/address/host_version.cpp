#include "address/host_version.h"

#include <cstdio>

#include "platform/platform.h"

namespace vpi {

uint16_t QueryHostVersion() {
  const platform::HostServiceTable& host = platform::HostServices();
  char clientName[256];
  std::snprintf(clientName, sizeof clientName, "DarAZOBr%02u",
                static_cast<unsigned>(platform::CurrentThreadId()));
  uint8_t client = 0x20;
  uint16_t version = 0;
  char hostInfo[100] = {};
  if (host.mkClient(clientName, 1, 0, &client) != 0) return 0;
  host.getVersion(client, &version, hostInfo);
  host.rmClient(client);
  return version;
}

}  // namespace vpi
