#include "bench_host.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "qelpro_standin.h"
#include "rvsim.h"

namespace vpibench {
namespace {

void DiscardLine(void* /*context*/, int /*level*/, const char* /*line*/) {}

}  // namespace

const char* LogModeName(LogMode mode) {
  return mode == LogMode::kFiltered ? "filtered" : "formatted";
}

void ApplyLogMode(LogMode mode) {
  if (mode == LogMode::kFiltered) {
    QelStandinSetSink(nullptr, nullptr);
    QelStandinSetLevelMask(0);
  } else {
    QelStandinSetSink(&DiscardLine, nullptr);
    QelStandinSetLevelMask(0xFFFFFFFFu);
  }
}

VpiMainFn DriverEntry() {
  static void* library = vpi::platform::OpenLibrary(VPI_DRIVER_FILE, nullptr);
  void* symbol = library != nullptr ? vpi::platform::LibrarySymbol(library, "VpiMain") : nullptr;
  return reinterpret_cast<VpiMainFn>(symbol);
}

int32_t CallSlot(BenchStation* station, uint32_t slot, void* request) {
  station->call.function = slot;
  station->call.request = request;
  return DriverEntry()(&station->call);
}

void ResetServer() {
  RvSimConfigure(nullptr);
  RvSimSetTracing(0);
}

int32_t StartStation(BenchStation* station, int32_t number, const char* hostName) {
  if (DriverEntry() == nullptr) return VPI_FAILED;
  std::memset(station, 0, sizeof *station);
  auto* data = reinterpret_cast<DriverData*>(station->block);
  data->stationNumber = number;
  station->call.driverData = data;
  station->call.station = number;

  char fileName[32];
  std::snprintf(fileName, sizeof fileName, "darAZO%02d.int", static_cast<int>(number));
  std::FILE* file = std::fopen(fileName, "w");
  if (file == nullptr) return VPI_FAILED;
  std::fprintf(file, "HostName = %s;\n", hostName);
  std::fclose(file);
  const int32_t result = CallSlot(station, 1, nullptr);
  std::remove(fileName);
  return result;
}

}  // namespace vpibench
