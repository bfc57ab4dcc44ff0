#include "address/address_name.h"

#include <cstring>

#include "common/bounded_text.h"

namespace vpi {

char FoldAddressChar(char byte) {
  const int8_t value = static_cast<int8_t>(byte);
  if (value >= 0x61) return static_cast<char>(value - 0x20);
  return byte;
}

bool ExtractAddressName(DriverData* data, const char* text) {
  char working[kAddressSize];
  if (!CopyTextIfFits(working, sizeof working, text)) return false;
  if (working[0] != '!') return false;
  std::memset(data->address, 0, sizeof data->address);
  for (size_t i = 1; working[i] != '\0'; ++i) {
    data->address[i - 1] = FoldAddressChar(working[i]);
  }
  return true;
}

bool NameInGroup(const DriverData* data, const NameGroup& group) {
  return FindInGroup(group, data->address) >= 0;
}

}  // namespace vpi
