// Binding the eighteen functions of the video library into the block.
#pragma once

#include <cstdint>

#include "core/driver_data.h"

namespace vpi {

// Loads `libraryName` by bare file name and stores the eighteen functions in
// binding order. VPI_OK when all are bound; otherwise VPI_FAILED, with the
// functions found before the first missing one stored and the rest null (all
// null when the library cannot be loaded; that case logs the system error).
int32_t BindVideoLibrary(DriverData* data, const char* libraryName);

// Sets the function pointers from binding position `first` to the last to
// null, so that nothing calls them.
void ClearVideoFunctions(DriverData* data, int first);

// True when all eighteen library functions are bound in the block. A failed
// cold start leaves the block unbound, and nothing calls the library then.
bool LibraryBound(const DriverData* data);

}  // namespace vpi
