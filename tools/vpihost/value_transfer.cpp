#include "value_transfer.h"

#include <algorithm>
#include <cstring>

#include "result_names.h"

namespace vpihost {
namespace {

constexpr size_t kGuardSize = 16;
constexpr unsigned char kGuardByte = 0xA5;
constexpr size_t kCellSize = sizeof(VpiValue);

// A buffer handed to the driver, followed by guard bytes.
class GuardedBuffer {
 public:
  explicit GuardedBuffer(size_t size) : size_(size), bytes_(size + kGuardSize, kGuardByte) {
    std::memset(bytes_.data(), 0, size);
  }
  void* data() { return bytes_.data(); }
  bool Overrun() const {
    for (size_t i = size_; i < bytes_.size(); ++i) {
      if (bytes_[i] != kGuardByte) return true;
    }
    return false;
  }
  VpiValue Cell() const {
    VpiValue cell;
    std::memcpy(&cell, bytes_.data(), sizeof cell);
    return cell;
  }
  std::string Text() const {
    const char* text = reinterpret_cast<const char*>(bytes_.data());
    return std::string(text, std::find(text, text + size_, '\0'));
  }

 private:
  size_t size_;
  std::vector<unsigned char> bytes_;
};

std::string ShowValue(const GuardedBuffer& buffer, int32_t type) {
  const VpiValue cell = buffer.Cell();
  switch (type) {
    case VPI_TYPE_INT32:
      return std::to_string(cell.value32);
    case VPI_TYPE_INT16:
    case VPI_TYPE_FLAG:
      return std::to_string(cell.half.value16);
    case VPI_TYPE_TEXT:
      return buffer.Text();
    default:
      return "value32 " + std::to_string(cell.value32) + ", value16 " +
             std::to_string(cell.half.value16);
  }
}

}  // namespace

int32_t DiscoverType(DriverSession* session, const std::string& address,
                     const std::vector<int32_t>& candidates) {
  for (int32_t type : candidates) {
    if (session->Parse(address, type, nullptr) == VPI_OK) return type;
  }
  return 0;
}

Transfer ReadValue(DriverSession* session, const std::string& address, int32_t type) {
  const bool cell = type == VPI_TYPE_INT16 || type == VPI_TYPE_INT32 || type == VPI_TYPE_FLAG;
  GuardedBuffer buffer(cell ? kCellSize : kHostTextSize);
  std::vector<char> text(address.begin(), address.end());
  text.push_back('\0');
  VpiRequest request{};
  request.addressText = text.data();
  request.value = buffer.data();
  Transfer out;
  out.type = type;
  out.result = session->Call(kSlotRead, &request);
  out.overrun = buffer.Overrun();
  if (out.result == VPI_OK) {
    out.hasValue = true;
    out.value = ShowValue(buffer, type);
  }
  return out;
}

bool EncodeWriteValue(int32_t type, const std::string& valueText, WriteBuffer* out,
                      std::string* error) {
  long long number = 0;
  if (type == 0) {
    type = ParseInteger(valueText, -32768, 65535, &number) ? VPI_TYPE_INT16 : VPI_TYPE_TEXT;
  }
  out->type = type;
  out->cell = VpiValue{};
  out->text.clear();
  if (type == VPI_TYPE_TEXT) {
    out->text.assign(valueText.begin(), valueText.end());
    out->text.push_back('\0');
    return true;
  }
  if (type == VPI_TYPE_INT32) {
    if (!ParseInteger(valueText, INT32_MIN, UINT32_MAX, &number)) {
      *error = "\"" + valueText + "\" is not a 32-bit number";
      return false;
    }
    out->cell.value32 = static_cast<int32_t>(static_cast<uint32_t>(number));
    return true;
  }
  if (!ParseInteger(valueText, -32768, 65535, &number)) {
    *error = "\"" + valueText + "\" is not a 16-bit number (-32768 to 65535)";
    return false;
  }
  out->cell.half.value16 = static_cast<int16_t>(static_cast<uint16_t>(number));
  return true;
}

int32_t SendWrite(DriverSession* session, const std::string& address, WriteBuffer* value) {
  std::vector<char> text(address.begin(), address.end());
  text.push_back('\0');
  VpiRequest request{};
  request.addressText = text.data();
  request.valueType = value->type;
  request.value = value->type == VPI_TYPE_TEXT ? static_cast<void*>(value->text.data())
                                               : static_cast<void*>(&value->cell);
  return session->Call(kSlotWrite, &request);
}

}  // namespace vpihost
