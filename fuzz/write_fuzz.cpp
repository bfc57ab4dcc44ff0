// Single writes: a connected station, some windows already shown, WINDOW and
// SOURCE maybe staged, then one write whose address, data type and value or
// text come from the input (the text is the rest of it). After the write the
// station's invariants must hold, nothing outside the host's buffers may be
// written, and a parameter write must have staged its value.
#include <cstdint>
#include <cstring>
#include <string>

#include "core/vpi_records.h"
#include "fuzz_choices.h"
#include "fuzz_input.h"
#include "host_station.h"
#include "invariants.h"

namespace {

using vpifuzz::FuzzInput;
using vpifuzz::HostRequest;
using vpifuzz::HostStation;
using vpifuzz::RequireNothingBroken;

int32_t WriteCell(HostStation& station, const std::string& address, int32_t type, int16_t value) {
  HostRequest request(address);
  request.record().valueType = type;
  request.UseCell(value);
  return station.Call(7, &request.record());
}

int32_t WriteText(HostStation& station, const std::string& address, const std::string& text) {
  HostRequest request(address);
  request.record().valueType = VPI_TYPE_TEXT;
  request.UseText(text);
  return station.Call(7, &request.record());
}

// Shows the source of window w in region w for each bit w of `windows`.
void ShowWindows(HostStation& station, uint8_t windows) {
  for (int w = 0; w < kOpenConnections; ++w) {
    if (((windows >> w) & 1) == 0 || w >= station.data().numSources) continue;
    const VideoSourceInfo& record = station.data().sources[w];
    const std::string name(record.name, strnlen(record.name, sizeof record.name));
    std::string text = "(" + name;
    text += "," + std::to_string(640 * (w % 3) + 10) + "," + std::to_string(480 * (w / 3) + 10);
    text += ",600,400," + std::to_string(w) + ",w" + std::to_string(w) + ")";
    WriteText(station, "!FSHOWWINDOW", text);
  }
}

const char* const kParameters[] = {
    "WINDOW", "SOURCE", "X",       "Y",          "WIDTH",    "HEIGHT",     "ZORDER", "ZX",
    "ZY",     "ZWIDTH", "ZHEIGHT", "BRIGHTNESS", "CONTRAST", "SATURATION", "HUE",    "MODE"};

// A parameter written with data type 1 is staged, WINDOW and SOURCE less one.
std::string CheckStaged(const DriverData& d, const std::string& address, int32_t type,
                        int16_t value, int32_t result) {
  if (type != VPI_TYPE_INT16 || address.empty() || address[0] != '!') return "";
  for (int position = 0; position < 16; ++position) {
    if (address.compare(1, std::string::npos, kParameters[position]) != 0) continue;
    int16_t staged;
    const unsigned char* fields =
        reinterpret_cast<const unsigned char*>(&d) + offsetof(DriverData, window);
    std::memcpy(&staged, fields + 2 * static_cast<size_t>(position), sizeof staged);
    const int16_t expected =
        position < 2 ? static_cast<int16_t>(static_cast<uint16_t>(value) - 1u) : value;
    return result == VPI_OK && staged == expected ? "" : "parameter not staged";
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
  ShowWindows(station, input.Byte());
  if (input.Byte() % 2 == 1) {
    WriteCell(station, "!WINDOW", VPI_TYPE_INT16, input.Int16());
    WriteCell(station, "!SOURCE", VPI_TYPE_INT16, input.Int16());
  }
  RequireNothingBroken(vpifuzz::CheckStation(station.data()), "after the set-up");

  const std::string address = vpifuzz::ChooseAddress(input);
  const int32_t type = vpifuzz::ChooseType(input.Byte());
  const int16_t value = input.Int16();
  HostRequest request(address);
  request.record().valueType = type;
  if (type == VPI_TYPE_TEXT) {
    request.UseText(input.Rest());
  } else {
    request.UseCell(value);
  }
  const vpifuzz::CallStart start = vpifuzz::BeginCall(station.data());
  const int32_t result = station.Call(7, &request.record());

  std::string broken = vpifuzz::CheckAfterCall(start, station.data(), result);
  if (broken.empty() && !(station.GuardsIntact() && request.GuardsIntact())) {
    broken = "guard bytes overwritten";
  }
  if (broken.empty()) broken = vpifuzz::CheckBlockTexts(station.data());
  if (broken.empty()) broken = CheckStaged(station.data(), address, type, value, result);
  RequireNothingBroken(broken, "writing " + address);
  return 0;
}
