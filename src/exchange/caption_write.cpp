#include "core/bounded_text.h"
#include "core/driver_data.h"
#include "exchange/staging.h"

namespace vpi {

int32_t WriteCaption(DriverData* data, const char* text) {
  return CopyTextIfFits(data->caption, kCaptionSize, text) ? VPI_OK : VPI_INVALID;
}

}  // namespace vpi
