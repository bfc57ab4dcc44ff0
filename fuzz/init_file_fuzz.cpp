// The initialization file reader: the input is the content of the station's
// "darAZO01.int". A cold start reads it; the host name it leaves must be the
// one a plain model of the reading rules finds, and a read then opens the
// connections with it.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/vpi_records.h"
#include "fuzz_choices.h"
#include "host_station.h"
#include "invariants.h"
#include "rvideo-sim/rvsim.h"

namespace {

using vpifuzz::HostRequest;
using vpifuzz::HostStation;
using vpifuzz::RequireNothingBroken;

constexpr size_t kLineBuffer = 256;
const char kPrevious[kHostNameSize] = "previous-host";

// The C library reads the file as text: where that turns CR LF into LF or
// stops at Ctrl-Z, the model (which reads bytes) only judges files without
// those bytes.
bool TextModeTranslates() {
  static const bool translates = [] {
    const std::filesystem::path probe =
        std::filesystem::temp_directory_path() / "vpi-fuzz-text-mode-probe";
    std::FILE* out = std::fopen(probe.string().c_str(), "wb");
    if (out == nullptr) return true;
    std::fputs(
        "a\r\n\x1a"
        "b",
        out);
    std::fclose(out);
    std::FILE* in = std::fopen(probe.string().c_str(), "r");
    char text[16] = {};
    const size_t got = in != nullptr ? std::fread(text, 1, sizeof text - 1, in) : 0;
    if (in != nullptr) std::fclose(in);
    std::remove(probe.string().c_str());
    return got != 5 || std::memcmp(text,
                                   "a\r\n\x1a"
                                   "b",
                                   5) != 0;
  }();
  return translates;
}

// The host name field after the file, read line by line as fgets reads it.
void ModelHostName(const std::string& content, char* hostName) {
  bool accepted = false;
  size_t position = 0;
  while (position < content.size() && !accepted) {
    size_t end = position;
    while (end < content.size() && end - position < kLineBuffer - 1) {
      if (content[end++] == '\n') break;
    }
    std::string line = content.substr(position, end - position);
    position = end;
    line = vpifuzz::UpToNul(line);  // the reader sees the line up to its first NUL
    if (line.empty() || line[0] == ';' || line[0] == '\n') continue;
    if (line.compare(0, 8, "HostName") != 0) continue;
    std::memset(hostName, 0, kHostNameSize);
    const size_t semicolon = line.find(';');
    if (semicolon == std::string::npos) continue;
    line.resize(semicolon);
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    size_t value = equals + 1;
    while (value < line.size() && line[value] == ' ') ++value;
    if (line.size() - value > kHostNameSize - 1) continue;  // refused whole, not cut
    line.copy(hostName, line.size() - value, value);
    accepted = true;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vpifuzz::QuietHostLog();
  vpifuzz::ConfigureServer(0);
  const std::string content(reinterpret_cast<const char*>(data), size);
  HostStation station;
  std::memcpy(station.data().hostName, kPrevious, sizeof kPrevious);
  const int32_t result = station.ColdStart(&content);

  std::string broken;
  if (result != VPI_OK) broken = "cold start failed";
  if (broken.empty() && !station.GuardsIntact()) broken = "guard bytes overwritten";
  if (broken.empty()) broken = vpifuzz::CheckBlockTexts(station.data());
  if (broken.empty() &&
      (!TextModeTranslates() || content.find_first_of("\r\x1a") == std::string::npos)) {
    char expected[kHostNameSize];
    std::memcpy(expected, kPrevious, sizeof expected);
    ModelHostName(content, expected);
    if (std::memcmp(expected, station.data().hostName, kHostNameSize) != 0) {
      broken = "host name differs from the model";
    }
  }
  RequireNothingBroken(broken, "after the cold start");

  HostRequest request("!FRESULT");
  const vpifuzz::CallStart start = vpifuzz::BeginCall(station.data());
  const int32_t read = station.Call(5, &request.record());
  broken = vpifuzz::CheckAfterCall(start, station.data(), read);
  if (broken.empty() && !(station.GuardsIntact() && request.GuardsIntact())) {
    broken = "guard bytes overwritten";
  }
  RequireNothingBroken(broken, "after the first read");
  return 0;
}
