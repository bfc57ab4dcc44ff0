// Single reads after arbitrary staging: a connected station whose staged
// values, source count, source names, shown flags and last result are
// overwritten with input bytes, then a read of every readable address and of
// one more address from the input. Reads must stay inside the host's value
// cell or its 50-byte text buffer and give what the block holds.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/vpi_records.h"
#include "fuzz_choices.h"
#include "fuzz_input.h"
#include "host_station.h"
#include "invariants.h"
#include "rvideo-sim/rvsim.h"

namespace {

using vpifuzz::FuzzInput;
using vpifuzz::HostRequest;
using vpifuzz::HostStation;
using vpifuzz::RequireNothingBroken;

constexpr size_t kReadTextBuffer = 50;

void StageFromInput(FuzzInput& input, DriverData& d) {
  unsigned char* block = reinterpret_cast<unsigned char*>(&d);
  for (size_t at = offsetof(DriverData, window); at < offsetof(DriverData, lastResult); ++at) {
    block[at] = input.Byte();
  }
  d.numSources = input.Byte();
  const uint8_t shown = input.Byte();
  for (int w = 0; w < kOpenConnections; ++w) d.windowShown[w] = (shown >> w) & 1;
  const uint8_t last = input.Byte();
  d.lastResult = last < 0x80 ? (last & 1) : static_cast<int32_t>(last * 0x01010101u);
  const uint8_t renamed = input.Byte();
  for (int record = 0; record < kSourceRecords; ++record) {
    if (((renamed >> (record % 8)) & 1) == 0) continue;
    const std::string name = input.Line();
    char* field = d.sources[record].name;
    std::memset(field, 0, sizeof d.sources[record].name);
    name.copy(field, std::min(name.size(), sizeof d.sources[record].name));
  }
}

// The placement text a read of FSHOWWINDOW must give, or "" when it cannot be
// given in 49 characters.
std::string ExpectedPlacement(const DriverData& d) {
  const int loaded = d.numSources < kSourceRecords ? d.numSources : kSourceRecords;
  if (d.source < 0 || d.source >= loaded) return "";
  const VideoSourceInfo& record = d.sources[d.source];
  const std::string name(record.name, strnlen(record.name, sizeof record.name));
  const std::string caption(d.caption, strnlen(d.caption, sizeof d.caption));
  const std::string text = "(" + name + "," + std::to_string(d.x) + "," + std::to_string(d.y) +
                           "," + std::to_string(d.width) + "," + std::to_string(d.height) + "," +
                           std::to_string(d.zOrder) + "," + caption + ")";
  return text.size() < kReadTextBuffer ? text : "";
}

std::string CheckRead(const std::string& address, HostRequest& request, const DriverData& before,
                      const DriverData& after, int32_t result) {
  const unsigned char* value = request.value().data();
  if (result != VPI_OK && result != VPI_INVALID && result != VPI_FAILED) return "odd result";
  if (address == "!FSHOWWINDOW") {
    const std::string expected = ExpectedPlacement(before);
    if (expected.empty()) return result == VPI_INVALID ? "" : "placement read not refused";
    if (result != VPI_OK) return "placement read refused";
    if (std::strcmp(reinterpret_cast<const char*>(value), expected.c_str()) != 0) {
      return "placement text differs";
    }
    return "";
  }
  if (address == "!FHIDESOURCE") {
    for (size_t i = 0; i < kReadTextBuffer; ++i) {
      if (value[i] != 0) return "FHIDESOURCE read wrote into the buffer";
    }
    return result == VPI_OK ? "" : "FHIDESOURCE read refused";
  }
  if (value[0] != 0xC3 || value[1] != 0x3C) {
    if (address.compare(0, 8, "!FSTATUS") == 0 || result != VPI_OK) {
      return "bytes 0 and 1 of the cell written";
    }
  }
  if (address == "!FRESULT") {
    int32_t read;
    std::memcpy(&read, value, sizeof read);
    return result == VPI_OK && read == before.lastResult ? "" : "FRESULT not the last result";
  }
  if (address == "!FNUMSOURCES") {
    if (before.window < 0 || before.window >= kOpenConnections) {
      return result == VPI_INVALID ? "" : "FNUMSOURCES of a window without connection";
    }
    int32_t read;
    std::memcpy(&read, value, sizeof read);
    return result == VPI_OK && read == after.numSources ? "" : "FNUMSOURCES not the count";
  }
  return "";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vpifuzz::QuietHostLog();
  const DriverData& bound = vpifuzz::BoundTemplate();
  FuzzInput input(data, size);
  vpifuzz::ConfigureServer(input.Byte());
  HostStation station;
  station.Load(bound);
  {
    HostRequest connect("!FRESULT");
    if (station.Call(5, &connect.record()) != VPI_OK) {
      RequireNothingBroken(vpifuzz::CheckStation(station.data()), "after a refused open");
      return 0;
    }
  }
  StageFromInput(input, station.data());

  const char* const kReadable[] = {
      "!FRESULT",  "!FNUMSOURCES", "!FSTATUS1", "!FSTATUS2",    "!FSTATUS3",    "!FSTATUS4",
      "!FSTATUS5", "!FSTATUS6",    "!FRESULT",  "!FSHOWWINDOW", "!FHIDESOURCE",
  };
  std::string addresses[12];
  for (int i = 0; i < 11; ++i) addresses[i] = kReadable[i];
  addresses[11] = vpifuzz::ChooseAddress(input);
  for (const std::string& chosen : addresses) {
    HostRequest request(chosen);
    const std::string address = vpifuzz::UpToNul(chosen);  // the host's text ends there
    const bool text = address == "!FSHOWWINDOW" || address == "!FHIDESOURCE";
    if (text) {
      request.UseBuffer(kReadTextBuffer);
    } else {
      request.UseCell(0);
    }
    const DriverData before = station.data();
    const int32_t result = station.Call(5, &request.record());
    std::string broken;
    if (!station.GuardsIntact() || !request.GuardsIntact()) broken = "guard bytes overwritten";
    if (broken.empty()) broken = CheckRead(address, request, before, station.data(), result);
    if (broken.empty() && RvSimBadHandleCalls() != 0) broken = "a call on a handle not open";
    if (broken.empty() && address != "!FNUMSOURCES" &&
        station.data().lastResult != before.lastResult) {
      broken = "a read changed lastResult";
    }
    RequireNothingBroken(broken, "reading " + address);
  }
  return 0;
}
