#include "link/library_binding.h"

#include <cstddef>
#include <cstring>

#include "core/host_log.h"
#include "core/vpi_records.h"
#include "platform/platform.h"

namespace vpi {
namespace {

static_assert(sizeof(void*) == kPointerField, "a symbol address fills one pointer field");

// The pointer fields follow each other in binding order; they are reached by
// position and copied bytewise, as the packed block may leave them unaligned.
unsigned char* FunctionField(DriverData* data, int position) {
  return reinterpret_cast<unsigned char*>(data) + offsetof(DriverData, OpenVideoConnection) +
         static_cast<size_t>(position) * kPointerField;
}

const unsigned char* FunctionField(const DriverData* data, int position) {
  return FunctionField(const_cast<DriverData*>(data), position);
}

void StoreFunction(DriverData* data, int position, void* symbol) {
  std::memcpy(FunctionField(data, position), &symbol, sizeof symbol);
}

bool FunctionStored(const DriverData* data, int position) {
  void* symbol = nullptr;
  std::memcpy(&symbol, FunctionField(data, position), sizeof symbol);
  return symbol != nullptr;
}

}  // namespace

void ClearVideoFunctions(DriverData* data, int first) {
  for (int position = first; position < kVideoFunctionCount; ++position) {
    StoreFunction(data, position, nullptr);
  }
}

bool LibraryBound(const DriverData* data) {
  if (data == nullptr) return false;
  for (int position = 0; position < kVideoFunctionCount; ++position) {
    if (!FunctionStored(data, position)) return false;
  }
  return true;
}

int32_t BindVideoLibrary(DriverData* data, const char* libraryName) {
  uint32_t systemError = 0;
  platform::LibraryHandle library = platform::OpenLibrary(libraryName, &systemError);
  if (library == nullptr) {
    ClearVideoFunctions(data, 0);
    HostLog(kLogDetail, "VTR: ColdStart() Failed on LoadLibrary(err %u)",
            static_cast<unsigned>(systemError));
    return VPI_FAILED;
  }
  for (int position = 0; position < kVideoFunctionCount; ++position) {
    void* symbol = platform::LibrarySymbol(library, kVideoFunctionNames[position]);
    if (symbol == nullptr) {
      ClearVideoFunctions(data, position);
      return VPI_FAILED;
    }
    StoreFunction(data, position, symbol);
  }
  return VPI_OK;
}

}  // namespace vpi
