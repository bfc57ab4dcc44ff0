#include "support/station.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace vpitest {
namespace {

constexpr unsigned char kGuardByte = 0xA5;

std::string InitFileName(int32_t station) {
  char name[32];
  std::snprintf(name, sizeof name, "darAZO%02d.int", station);
  return name;
}

}  // namespace

void EnterScratchDirectory() {
  static bool entered = false;
  if (entered) return;
  entered = true;
  namespace fs = std::filesystem;
  const fs::path dir = fs::current_path() / "scratch" / std::to_string(std::random_device{}());
  fs::create_directories(dir);
  fs::current_path(dir);
}

std::string InitFileFor(const std::string& hostName) {
  return "; station initialization\nHostName = " + hostName + ";\n";
}

Station::Station(int32_t number)
    : number_(number), storage_(sizeof(DriverData) + 2 * kGuard, kGuardByte) {
  EnterScratchDirectory();
  std::memset(storage_.data() + kGuard, 0, sizeof(DriverData));
  data_ = reinterpret_cast<DriverData*>(storage_.data() + kGuard);
  data_->stationNumber = number;
}

Station::~Station() {
  EXPECT_TRUE(GuardsIntact()) << "station " << number_;
}

bool Station::GuardsIntact() const {
  for (size_t i = 0; i < kGuard; ++i) {
    if (storage_[i] != kGuardByte) return false;
    if (storage_[storage_.size() - 1 - i] != kGuardByte) return false;
  }
  return true;
}

void Station::WriteInitFile(const std::string& content) const {
  std::ofstream out(InitFileName(number_), std::ios::binary | std::ios::trunc);
  out << content;
}

void Station::RemoveInitFile() const {
  std::remove(InitFileName(number_).c_str());
}

int32_t Station::Call(uint32_t slot, void* request) {
  VpiCall call{};
  call.driverData = data_;
  call.function = slot;
  call.station = number_;
  call.request = request;
  return VpiMain(&call);
}

int32_t Station::ColdStart() {
  WriteInitFile(InitFileFor(kSimulatorHost));
  return Call(1);
}

int32_t Station::Parse(const std::string& address, int32_t requestedType, VpiRequest* out) {
  std::vector<char> text(address.begin(), address.end());
  text.push_back('\0');
  VpiRequest request{};
  request.addressText = text.data();
  request.requestedType = requestedType;
  const int32_t result = Call(3, &request);
  request.addressText = nullptr;
  if (out != nullptr) *out = request;
  return result;
}

int32_t Station::Write(const std::string& address, int32_t valueType, void* value) {
  std::vector<char> text(address.begin(), address.end());
  text.push_back('\0');
  VpiRequest request{};
  request.addressText = text.data();
  request.valueType = valueType;
  request.value = value;
  return Call(7, &request);
}

int32_t Station::WriteNumber(const std::string& address, int32_t valueType, int16_t value) {
  VpiValue cell{};
  cell.half.value16 = value;
  return Write(address, valueType, &cell);
}

int32_t Station::WriteText(const std::string& address, const std::string& text) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  return Write(address, VPI_TYPE_TEXT, buffer.data());
}

int32_t Station::Read(const std::string& address, VpiValue* value) {
  std::vector<char> text(address.begin(), address.end());
  text.push_back('\0');
  VpiRequest request{};
  request.addressText = text.data();
  request.value = value;
  return Call(5, &request);
}

int32_t Station::ReadText(const std::string& address, char* buffer) {
  std::vector<char> text(address.begin(), address.end());
  text.push_back('\0');
  VpiRequest request{};
  request.addressText = text.data();
  request.value = buffer;
  return Call(5, &request);
}

}  // namespace vpitest
