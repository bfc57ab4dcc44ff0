#include "common/bounded_text.h"
#include "exchange/staging.h"
#include "link/driver_data.h"

namespace vpi {

int32_t WriteCaption(DriverData* data, const char* text) {
  return CopyTextIfFits(data->caption, kCaptionSize, text) ? VPI_OK : VPI_INVALID;
}

}  // namespace vpi
