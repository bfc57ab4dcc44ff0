#include "address/address_name.h"

#include <cstring>

#include "core/bounded_text.h"

namespace vpi {

char FoldAddressChar(char byte) {
  const int8_t value = static_cast<int8_t>(byte);
  if (value >= 0x61) return static_cast<char>(value - 0x20);
  return byte;
}

// The text is measured once, within the bound, and folded straight from the
// host's buffer into `address`: no working copy is needed to decide.
bool ExtractAddressName(DriverData* data, const char* text) {
  const size_t length = BoundedLength(text, kAddressSize);
  if (length == 0 || length >= kAddressSize || text[0] != '!') return false;
  std::memset(data->address, 0, sizeof data->address);
  for (size_t i = 1; i < length; ++i) data->address[i - 1] = FoldAddressChar(text[i]);
  return true;
}

bool NameInGroup(const DriverData* data, const NameGroup& group) {
  return FindInGroup(group, data->address) >= 0;
}

const char* RequestName(const char* addressText) {
  return addressText[0] != '\0' ? addressText + 1 : addressText;
}

}  // namespace vpi
