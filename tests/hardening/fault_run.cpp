#include "fault_run.h"

#include <cstddef>
#include <cstring>
#include <sstream>

#include "core/vpi_records.h"
#include "invariants.h"
#include "rvideo-sim/rvsim.h"

namespace hardening {
namespace {

std::vector<TraceLine> ParseTrace(const std::string& text) {
  std::vector<TraceLine> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    const size_t equals = line.rfind(" = ");
    const size_t open = line.find('(');
    if (equals == std::string::npos || open == std::string::npos) continue;
    lines.push_back(
        {line.substr(0, equals), line.substr(0, open), std::stol(line.substr(equals + 3))});
  }
  return lines;
}

struct FieldName {
  size_t offset;
  const char* name;
};

#define VPI_FIELD(field) \
  { offsetof(DriverData, field), #field }
const FieldName kFields[] = {
    VPI_FIELD(connected),
    VPI_FIELD(windowShown),
    VPI_FIELD(connections),
    VPI_FIELD(regionMap),
    VPI_FIELD(numConnections),
    VPI_FIELD(numSources),
    VPI_FIELD(sources),
    VPI_FIELD(stationNumber),
    VPI_FIELD(reserved),
    VPI_FIELD(hostName),
    VPI_FIELD(address),
    VPI_FIELD(window),
    VPI_FIELD(source),
    VPI_FIELD(x),
    VPI_FIELD(y),
    VPI_FIELD(width),
    VPI_FIELD(height),
    VPI_FIELD(zOrder),
    VPI_FIELD(zoomX),
    VPI_FIELD(zoomY),
    VPI_FIELD(zoomWidth),
    VPI_FIELD(zoomHeight),
    VPI_FIELD(brightness),
    VPI_FIELD(contrast),
    VPI_FIELD(saturation),
    VPI_FIELD(hue),
    VPI_FIELD(mode),
    VPI_FIELD(color),
    VPI_FIELD(caption),
    VPI_FIELD(lastResult),
    VPI_FIELD(OpenVideoConnection),
};
#undef VPI_FIELD

}  // namespace

PathRun RunPath(const CommandPath& path, int failAt, int32_t failure) {
  PathRun run;
  vpitest::HostLogCapture log;
  if (RvSimConfigure(nullptr) != 0) {
    run.broken = "simulator refused its built-in configuration";
    return run;
  }
  vpitest::Station station;
  if (station.ColdStart() != VPI_OK) {
    run.broken = "cold start failed";
    return run;
  }
  path.setUp(station);
  RvSimClearTrace();
  log.Clear();
  run.before = station.data();
  if (failAt > 0) RvSimAddFault("*", failAt, 1, failure);
  const vpifuzz::CallStart start = vpifuzz::BeginCall(station.data());
  run.result = path.act(station);
  run.after = station.data();
  run.trace = ParseTrace(RvSimTrace());
  for (const vpitest::LogLine& line : log.Lines()) {
    if (line.level != 8) run.log.push_back(line);
  }
  run.libraryCalls = RvSimThreadCallCount() - start.libraryCalls;
  run.openConnections = RvSimOpenConnections();
  run.broken = vpifuzz::CheckAfterCall(start, station.data(), run.result);
  if (run.broken.empty() && !station.GuardsIntact()) run.broken = "guard bytes overwritten";
  RvSimClearFaults();
  return run;
}

std::vector<int32_t> FailuresOf(const std::string& function) {
  if (function == "NTRVOpenVideoConnection") return {-1, 0};
  if (function == "NTRVCloseVideoConnection") return {0};
  return {0, 0x100};
}

std::string BlockDifference(const DriverData& expected, const DriverData& actual) {
  const auto* a = reinterpret_cast<const unsigned char*>(&expected);
  const auto* b = reinterpret_cast<const unsigned char*>(&actual);
  for (size_t at = 0; at < sizeof(DriverData); ++at) {
    if (a[at] == b[at]) continue;
    const char* name = "?";
    for (const FieldName& field : kFields) {
      if (field.offset <= at) name = field.name;
    }
    return std::string(name) + " (byte " + std::to_string(at) + ")";
  }
  return "";
}

void ExpectHidden(DriverData* block, int window) {
  block->windowShown[window] = 0;
  for (int r = 0; r < kRegionCount; ++r) block->regionMap[window][r] = 0;
}

void ExpectShown(DriverData* block, int window, const bool (&regions)[kRegionCount]) {
  block->windowShown[window] = 1;
  for (int r = 0; r < kRegionCount; ++r) block->regionMap[window][r] = regions[r] ? 1 : 0;
}

}  // namespace hardening
