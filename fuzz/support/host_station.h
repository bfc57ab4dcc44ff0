// One station as a host keeps it, for the fuzz targets and the hardening
// tests: the instance block and every record and buffer handed to the driver
// lie between guard bytes; the initialization file lives in a private
// directory that the process enters only for the cold start.
#pragma once

#include <cstdint>
#include <string>

#include "core/driver_data.h"
#include "core/vpi_records.h"
#include "guarded_buffer.h"

namespace vpifuzz {

class HostStation {
 public:
  explicit HostStation(int32_t number = 1);

  DriverData& data() { return *reinterpret_cast<DriverData*>(block_.data()); }
  int32_t number() const { return number_; }
  bool GuardsIntact() const { return block_.GuardsIntact(); }

  int32_t Call(uint32_t slot, void* request = nullptr);
  // Writes `initFile` as the station's "darAZO%02d.int" in the private
  // directory (removes it when null) and runs slot 1 from there.
  int32_t ColdStart(const std::string* initFile);
  // Replaces the whole block, e.g. by a cold-started template.
  void Load(const DriverData& block);

 private:
  int32_t number_;
  GuardedBuffer block_;
};

// While one lives, the process works in the stations' private directory and
// cold starts do not change directory: stations cold-started on several
// threads at once need that. Made and ended with no station call under way.
class ScratchStay {
 public:
  ScratchStay();
  ~ScratchStay();
  ScratchStay(const ScratchStay&) = delete;
  ScratchStay& operator=(const ScratchStay&) = delete;

 private:
  std::string previous_;
};

// A request record with its address text and its value, each in a buffer of
// its own between guard bytes.
class HostRequest {
 public:
  explicit HostRequest(const std::string& address);
  VpiRequest& record() { return *reinterpret_cast<VpiRequest*>(record_.data()); }
  // The value as a four-byte cell with recognisable bytes.
  void UseCell(int16_t value16);
  // The value as a NUL-terminated text in a buffer of exactly its size.
  void UseText(const std::string& text);
  // The value as an empty buffer of `size` bytes (a read's text buffer).
  void UseBuffer(size_t size);
  void UseNoValue() { record().value = nullptr; }
  GuardedBuffer& value() { return value_; }
  bool GuardsIntact() const;

 private:
  GuardedBuffer record_;
  GuardedBuffer address_;
  GuardedBuffer value_;
};

// The simulator's built-in host name, in a well-formed initialization file.
std::string InitFileNaming(const std::string& hostName);
inline constexpr const char kSimulatorHost[] = "simulator";

// The block of a station cold-started once against the built-in simulator
// (the six default cameras): the template each input's station starts from.
// Aborts when that station does not start.
const DriverData& BoundTemplate();

// Silences the host stand-in's log (the lines are still formatted) when it
// is loaded; the driver's log lines would flood the fuzzer's output.
void QuietHostLog();

}  // namespace vpifuzz
