#include "exchange/request_name.h"

namespace vpi {

const char* RequestName(const char* addressText) {
  return addressText[0] != '\0' ? addressText + 1 : addressText;
}

}  // namespace vpi
