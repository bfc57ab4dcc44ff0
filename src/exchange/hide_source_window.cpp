#include "exchange/hide_source_window.h"

// FHIDESOURCE: hides the window of a named source.
#include <cstring>

#include "core/bounded_text.h"
#include "core/host_limits.h"
#include "exchange/regions.h"
#include "exchange/source_lookup.h"
#include "exchange/window_call.h"

namespace vpi {

namespace {

constexpr size_t kHiddenNameSize = 20;  // the named source: 19 characters

// The name between the first "(" and the first ")"; false when the text is
// too long, a bracket is missing or out of order, or the name does not fit.
bool ReadSourceName(const char* text, char* name) {
  char copy[kHostTextSize]{};
  if (text == nullptr || !CopyTextIfFits(copy, sizeof copy, text)) return false;
  const char* open = std::strchr(copy, '(');
  const char* close = std::strchr(copy, ')');
  if (open == nullptr || close == nullptr || close < open) return false;
  return CopySpanIfFits(name, kHiddenNameSize, open + 1, static_cast<size_t>(close - open - 1));
}

}  // namespace

int32_t HideSourceWindow(VpiCall* call, const char* text) {
  DriverData* data = call->driverData;
  char name[kHiddenNameSize]{};
  if (!ReadSourceName(text, name)) return VPI_INVALID;
  const int source = FindSourceByName(data, name);
  if (source < 0 || !WindowHasConnection(source)) return VPI_INVALID;
  data->window = static_cast<int16_t>(source);
  data->source = static_cast<int16_t>(source);
  if (data->windowShown[source] != 1) return VPI_INVALID;
  if (!RecordOutcome(data, data->HideVideo(data->connections[source]))) return VPI_FAILED;
  MarkWindowHidden(data, source);
  return VPI_OK;
}

}  // namespace vpi
