// The host services are import-linked from QELPRO.dll under undecorated names.
#include "platform/platform.h"

extern "C" {
__declspec(dllimport) int err(int level, const char* format, ...);
__declspec(dllimport) uint16_t
    __stdcall QelMkClient(const char* name, int32_t one, int32_t zero, uint8_t* client);
__declspec(dllimport) uint16_t
    __stdcall QelGetQelproVer(int32_t client, uint16_t* version, char* buffer100);
__declspec(dllimport) int32_t __stdcall QelRmClient(int32_t client);
}

namespace vpi::platform {

const HostServiceTable& HostServices() {
  static const HostServiceTable table = {&err, &QelMkClient, &QelGetQelproVer, &QelRmClient};
  return table;
}

}  // namespace vpi::platform
