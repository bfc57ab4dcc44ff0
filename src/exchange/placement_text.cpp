#include "exchange/placement_text.h"

#include <cstdio>
#include <cstring>

#include "common/bounded_text.h"

namespace vpi {
namespace {

bool SourceLoaded(const DriverData* data, int source) {
  const int loaded = data->numSources < kSourceRecords ? data->numSources : kSourceRecords;
  return source >= 0 && source < loaded;
}

}  // namespace

bool BuildPlacementText(const DriverData* data, char* out) {
  const int source = data->source;
  if (!SourceLoaded(data, source)) return false;
  const char* name = data->sources[source].name;
  const int nameLength = static_cast<int>(BoundedLength(name, sizeof data->sources[source].name));
  const int captionLength = static_cast<int>(BoundedLength(data->caption, kCaptionSize));
  char text[kPlacementTextSize];
  const int length =
      std::snprintf(text, sizeof text, "(%.*s,%d,%d,%d,%d,%d,%.*s)", nameLength, name, data->x,
                    data->y, data->width, data->height, data->zOrder, captionLength, data->caption);
  if (length < 0 || static_cast<size_t>(length) >= sizeof text) return false;
  std::memcpy(out, text, static_cast<size_t>(length) + 1);
  return true;
}

}  // namespace vpi
