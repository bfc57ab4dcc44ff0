// One station as the host keeps it: a zeroed instance block between guard
// bytes, its initialization file in a scratch directory, and the slot calls
// made through VpiMain.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/driver_data.h"
#include "core/vpi_records.h"

namespace vpitest {

// Moves the process into a fresh scratch directory below the current one
// (once per process), where the tests write initialization files.
void EnterScratchDirectory();

// The simulator's built-in host name, and an initialization file naming it.
inline constexpr const char kSimulatorHost[] = "simulator";
std::string InitFileFor(const std::string& hostName);

class Station {
 public:
  explicit Station(int32_t number = 1);
  ~Station();
  Station(const Station&) = delete;
  Station& operator=(const Station&) = delete;

  DriverData& data() { return *data_; }
  int32_t number() const { return number_; }

  // Writes this station's "darAZO%02d.int" in the scratch directory.
  void WriteInitFile(const std::string& content) const;
  void RemoveInitFile() const;

  int32_t Call(uint32_t slot, void* request = nullptr);
  // Writes the initialization file for the simulator, then cold-starts.
  int32_t ColdStart();

  int32_t Parse(const std::string& address, int32_t requestedType, VpiRequest* out = nullptr);
  int32_t Read(const std::string& address, VpiValue* value);
  int32_t ReadText(const std::string& address, char* buffer);
  int32_t WriteNumber(const std::string& address, int32_t valueType, int16_t value);
  int32_t WriteText(const std::string& address, const std::string& text);
  int32_t Write(const std::string& address, int32_t valueType, void* value);

  // True while the guard bytes around the block are as they were set.
  bool GuardsIntact() const;

 private:
  static constexpr size_t kGuard = 64;
  int32_t number_;
  std::vector<unsigned char> storage_;
  DriverData* data_;
};

}  // namespace vpitest
