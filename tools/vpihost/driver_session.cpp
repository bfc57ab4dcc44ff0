#include "driver_session.h"

#include <cstring>

namespace vpihost {

int32_t DriverSession::QueryInfo(VpiDriverInfo* info) {
  const int32_t result = Call(kSlotDriverInfo, info);
  if (result == VPI_OK && info->instanceSize > 0) instanceSize_ = info->instanceSize;
  return result;
}

bool DriverSession::SelectStation(int number) {
  if (number < 0 || number > kMaxStation || instanceSize_ <= 0) return false;
  auto found = blocks_.find(number);
  if (found == blocks_.end()) {
    std::vector<unsigned char> block(static_cast<size_t>(instanceSize_), 0);
    // The driver prints this field in its log lines; a host fills it in.
    if (block.size() == sizeof(DriverData)) {
      const int32_t stationNumber = number;
      std::memcpy(block.data() + offsetof(DriverData, stationNumber), &stationNumber,
                  sizeof stationNumber);
    }
    blocks_.emplace(number, std::move(block));
  }
  station_ = number;
  return true;
}

unsigned char* DriverSession::Block() {
  auto found = blocks_.find(station_);
  return found != blocks_.end() ? found->second.data() : nullptr;
}

const DriverData* DriverSession::Data() {
  auto found = blocks_.find(station_);
  if (found == blocks_.end() || found->second.size() != sizeof(DriverData)) return nullptr;
  return reinterpret_cast<const DriverData*>(found->second.data());
}

int32_t DriverSession::Call(uint32_t slot, void* request) {
  VpiCall call{};
  call.driverData = reinterpret_cast<DriverData*>(Block());
  call.function = slot;
  call.station = station_ < 0 ? 0 : station_;
  call.request = request;
  return entry_(&call);
}

int32_t DriverSession::Parse(const std::string& address, int32_t requestedType, VpiRequest* out) {
  std::vector<char> text(address.begin(), address.end());
  text.push_back('\0');
  VpiRequest request{};
  request.addressText = text.data();
  request.requestedType = requestedType;
  const int32_t result = Call(kSlotParser, &request);
  request.addressText = nullptr;
  if (out != nullptr) *out = request;
  return result;
}

}  // namespace vpihost
