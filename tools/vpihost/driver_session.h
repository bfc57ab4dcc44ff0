// The host side of the driver: one zeroed instance block per station, of the
// size the driver reports through slot 14, and the slot calls made on it
// through VpiMain exactly as a host makes them.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/driver_data.h"
#include "core/host_limits.h"
#include "host_libraries.h"

namespace vpihost {

enum Slot : uint32_t {
  kSlotColdStart = 1,
  kSlotWarmStart = 2,
  kSlotParser = 3,
  kSlotRead = 5,
  kSlotWrite = 7,
  kSlotCloseComm = 11,
  kSlotClosePorts = 12,
  kSlotDriverInfo = 14,
  kSlotBrowse = 16,
};

constexpr int kMaxStation = 999;
constexpr size_t kBrowseBufferSize = 64;

class DriverSession {
 public:
  explicit DriverSession(VpiMainFn entry) : entry_(entry) {}

  // Slot 14 into `info`; remembers the instance size it reports.
  int32_t QueryInfo(VpiDriverInfo* info);
  int32_t instanceSize() const { return instanceSize_; }

  // Makes `number` the current station, allocating its block on first use.
  // False when the number is out of range or the size is not yet known.
  bool SelectStation(int number);
  int station() const { return station_; }

  // The current station's block; null before a station is selected.
  unsigned char* Block();
  // The block seen as DriverData, when its size is that of this build's
  // DriverData; else null.
  const DriverData* Data();

  int32_t Call(uint32_t slot, void* request);
  int32_t Parse(const std::string& address, int32_t requestedType, VpiRequest* out);

 private:
  VpiMainFn entry_;
  int32_t instanceSize_ = 0;
  int station_ = -1;
  std::map<int, std::vector<unsigned char>> blocks_;
};

}  // namespace vpihost
