// The host services come from libqelpro.so, opened by bare name and resolved
// per name: glibc has an `err` of its own that link-time binding would pick.
// Without the library, logging does nothing and no host client can be made.
#include <dlfcn.h>

#include "platform/platform.h"

namespace vpi::platform {
namespace {

int SilentErr(int /*level*/, const char* /*format*/, ...) {
  return 0;
}

uint16_t VPI_STDCALL NoClient(const char* /*name*/, int32_t /*one*/, int32_t /*zero*/,
                              uint8_t* /*client*/) {
  return 1;
}

uint16_t VPI_STDCALL NoVersion(int32_t /*client*/, uint16_t* /*version*/, char* /*buffer*/) {
  return 1;
}

int32_t VPI_STDCALL NoRelease(int32_t /*client*/) {
  return 0;
}

template <typename Fn>
Fn Resolve(void* library, const char* name, Fn fallback) {
  void* symbol = library != nullptr ? dlsym(library, name) : nullptr;
  return symbol != nullptr ? reinterpret_cast<Fn>(symbol) : fallback;
}

HostServiceTable LoadHostServices() {
  void* library = dlopen("libqelpro.so", RTLD_NOW | RTLD_LOCAL);
  HostServiceTable table{};
  table.err = Resolve<ErrFn>(library, "err", &SilentErr);
  table.mkClient = Resolve<MkClientFn>(library, "QelMkClient", &NoClient);
  table.getVersion = Resolve<GetVersionFn>(library, "QelGetQelproVer", &NoVersion);
  table.rmClient = Resolve<RmClientFn>(library, "QelRmClient", &NoRelease);
  return table;
}

}  // namespace

const HostServiceTable& HostServices() {
  static const HostServiceTable table = LoadHostServices();
  return table;
}

}  // namespace vpi::platform
