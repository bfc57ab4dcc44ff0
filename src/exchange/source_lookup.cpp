#include "exchange/source_lookup.h"

#include <cstring>

#include "core/bounded_text.h"
#include "link/open_connections.h"

namespace vpi {

namespace {

constexpr size_t kNameField = kSourceNameSize;

// The record's name may fill its whole field without a NUL: never read past it.
bool NameEquals(const VideoSourceInfo& record, const char* name) {
  const size_t length = BoundedLength(name, kNameField);
  if (length == kNameField) return false;
  return std::memcmp(record.name, name, length + 1) == 0;
}

}  // namespace

bool SourceStored(const DriverData* data, int source) {
  return source >= 0 && source < StoredSourceCount(data);
}

int FindSourceByName(const DriverData* data, const char* name) {
  for (int source = 0; source < StoredSourceCount(data); ++source) {
    if (NameEquals(data->sources[source], name)) return source;
  }
  return -1;
}

}  // namespace vpi
