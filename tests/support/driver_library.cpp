#include "support/driver_library.h"

#include <cstdlib>

#include "platform/platform.h"

namespace vpitest {

VpiMainFn DriverEntry() {
  static void* library = vpi::platform::OpenLibrary(VPI_DRIVER_FILE, nullptr);
  void* symbol = library != nullptr ? vpi::platform::LibrarySymbol(library, "VpiMain") : nullptr;
  if (symbol == nullptr) std::abort();
  return reinterpret_cast<VpiMainFn>(symbol);
}

}  // namespace vpitest
