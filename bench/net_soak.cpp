// A host that keeps a network server busy for a while: STATIONS stations on
// the server, each cycling through showing, moving, captioning, hiding and
// reading its windows through VpiMain, with a warm start (six fresh
// connections) every hundred rounds. Prints its calls and failures.
//   net_soak HOST:PORT SECONDS [STATIONS]   (default 2 stations)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_host.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Tally {
  long long calls = 0;
  long long failures = 0;
};

int32_t Call(vpibench::BenchStation* s, uint32_t slot, const char* address, int32_t type,
             void* value, Tally* tally) {
  VpiRequest request{};
  request.addressText = const_cast<char*>(address);
  request.requestedType = type;
  request.valueType = type;
  request.value = value;
  const int32_t result = vpibench::CallSlot(s, slot, address == nullptr ? nullptr : &request);
  ++tally->calls;
  if (result != VPI_OK) ++tally->failures;
  return result;
}

void WriteNumber(vpibench::BenchStation* s, const char* address, int16_t number, Tally* tally) {
  VpiValue cell{};
  cell.half.value16 = number;
  const int32_t type = address[1] == 'F' ? VPI_TYPE_FLAG : VPI_TYPE_INT16;
  Call(s, 7, address, type, &cell, tally);
}

void WriteText(vpibench::BenchStation* s, const char* address, const char* text, Tally* tally) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%s", text);
  Call(s, 7, address, VPI_TYPE_TEXT, buffer, tally);
}

// One round on one station: every window shown, moved, captioned and
// hidden again, and the source count read.
void Round(vpibench::BenchStation* s, int round, Tally* tally) {
  for (int window = 1; window <= 6; ++window) {
    char placement[64];
    const int x = 640 * ((window - 1) % 3);
    const int y = 480 * ((window - 1) / 3);
    std::snprintf(placement, sizeof placement, "(CAM%d,%d,%d,640,480,1,r%d)", window, x, y, round);
    WriteText(s, "!FSHOWWINDOW", placement, tally);
    WriteNumber(s, "!WINDOW", static_cast<int16_t>(window), tally);
    WriteNumber(s, "!X", static_cast<int16_t>(x + round % 7), tally);
    WriteNumber(s, "!FPOSITION", 1, tally);
    WriteText(s, "!CAPTION", "soak", tally);
    WriteNumber(s, "!FCAPTION", 1, tally);
    VpiValue cell{};
    Call(s, 5, "!FNUMSOURCES", VPI_TYPE_INT32, &cell, tally);
    WriteNumber(s, "!FHIDEVIDEO", 1, tally);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: net_soak HOST:PORT SECONDS [STATIONS]\n");
    return 2;
  }
  const char* server = argv[1];
  const double seconds = std::atof(argv[2]);
  const int count = argc > 3 ? std::atoi(argv[3]) : 2;
  vpibench::ApplyLogMode(vpibench::LogMode::kFiltered);
  vpibench::ResetServer();
  std::vector<vpibench::BenchStation> stations(static_cast<size_t>(count > 0 ? count : 1));
  Tally tally;
  for (size_t i = 0; i < stations.size(); ++i) {
    if (vpibench::StartStation(&stations[i], static_cast<int32_t>(10 + i), server) != VPI_OK) {
      std::fprintf(stderr, "net_soak: station %zu did not start\n", 10 + i);
      return 1;
    }
  }
  const Clock::time_point end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                   std::chrono::duration<double>(seconds));
  int rounds = 0;
  while (Clock::now() < end) {
    for (vpibench::BenchStation& station : stations) {
      if (rounds % 100 == 99) Call(&station, 2, nullptr, 0, nullptr, &tally);
      Round(&station, rounds, &tally);
    }
    ++rounds;
  }
  for (vpibench::BenchStation& station : stations) Call(&station, 12, nullptr, 0, nullptr, &tally);
  std::printf("net_soak: %d rounds, %lld driver calls, %lld not VPI_OK\n", rounds, tally.calls,
              tally.failures);
  return tally.failures == 0 ? 0 : 1;
}
