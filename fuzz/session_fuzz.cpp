// A host session against the simulated server: the input is a sequence of
// slot calls (cold start, warm start, parse, read, write with any text or
// value, close, the other slots) and of library failures to inject. After
// every call the station's invariants must hold and no guard byte around the
// block or a host buffer may have changed.
#include <cstdint>
#include <string>

#include "core/video_library.h"
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

constexpr int kMostCalls = 96;
constexpr size_t kReadTextBuffer = 50;

// One of the eighteen library functions, or (the nineteenth choice) "*",
// every one of them.
const char* LibraryFunction(uint8_t choice) {
  const int index = choice % (kVideoFunctionCount + 1);
  return index < kVideoFunctionCount ? kVideoFunctionNames[index] : "*";
}

// A failing answer for the chosen function. An open answers -1 or 0, never a
// handle the server did not give; the other calls also answer values whose
// low byte is not 1, or (0x101) a success that did nothing.
int32_t FailureFor(const std::string& function, uint8_t choice) {
  if (function == "NTRVOpenVideoConnection" || function == "*") return choice % 2 == 0 ? -1 : 0;
  static const int32_t kAnswers[] = {0, -1, 0x100, 2, 0x101};
  return kAnswers[choice % 5];
}

int32_t ColdStart(HostStation& station, FuzzInput& input) {
  const uint8_t variant = input.Byte() % 4;
  if (variant == 1) return station.ColdStart(nullptr);
  std::string init;
  if (variant == 0) init = vpifuzz::InitFileNaming(vpifuzz::kSimulatorHost);
  if (variant == 2) init = vpifuzz::InitFileNaming("nowhere");
  if (variant == 3) init = input.Line() + "\n";
  return station.ColdStart(&init);
}

int32_t Parse(HostStation& station, FuzzInput& input, HostRequest* request) {
  request->record().requestedType = vpifuzz::ChooseType(input.Byte());
  return station.Call(3, &request->record());
}

// The host reads the window items into its text buffer and the other items
// into a value cell, as the parser tied each name to its data type.
int32_t Read(HostStation& station, const std::string& address, HostRequest* request) {
  const std::string text = vpifuzz::UpToNul(address);  // the host's text ends there
  if (text == "!FSHOWWINDOW" || text == "!FHIDESOURCE") {
    request->UseBuffer(kReadTextBuffer);
  } else {
    request->UseCell(0);
  }
  return station.Call(5, &request->record());
}

// A value cell for the numeric types; a text write always brings its text.
int32_t WriteValue(HostStation& station, FuzzInput& input, HostRequest* request) {
  const int32_t type = vpifuzz::ChooseType(input.Byte());
  const int16_t value = input.Int16();
  request->record().valueType = type;
  if (type == VPI_TYPE_TEXT) {
    request->UseText(std::to_string(value));
  } else {
    request->UseCell(value);
  }
  return station.Call(7, &request->record());
}

int32_t WriteText(HostStation& station, FuzzInput& input, HostRequest* request) {
  request->record().valueType = VPI_TYPE_TEXT;
  request->UseText(input.Line());
  return station.Call(7, &request->record());
}

int32_t OtherSlot(HostStation& station, FuzzInput& input, HostRequest* request) {
  static const uint32_t kSlots[] = {0, 4, 6, 8, 9, 10, 13, 14, 15, 17, 18, 0xFFFFFFFFu};
  const uint32_t slot = kSlots[input.Byte() % (sizeof kSlots / sizeof kSlots[0])];
  request->UseBuffer(sizeof(VpiDriverInfo));
  void* target = slot == 14 ? static_cast<void*>(request->value().data()) : &request->record();
  return station.Call(slot, target);
}

void AddFault(FuzzInput& input) {
  const std::string function = LibraryFunction(input.Byte());
  const int from = 1 + input.Byte() % 16;
  const int count = input.Byte() % 4 == 3 ? -1 : 1 + input.Byte() % 3;
  RvSimAddFault(function.c_str(), from, count, FailureFor(function, input.Byte()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vpifuzz::QuietHostLog();
  FuzzInput input(data, size);
  vpifuzz::ConfigureServer(input.Byte());
  HostStation station;
  for (int step = 0; step < kMostCalls && !input.empty(); ++step) {
    const uint8_t operation = input.Byte() % 12;
    if (operation == 10) {
      AddFault(input);
      continue;
    }
    if (operation == 11) {
      RvSimClearFaults();
      continue;
    }
    const std::string address =
        operation >= 2 && operation <= 5 ? vpifuzz::ChooseAddress(input) : "";
    HostRequest request(address);
    const vpifuzz::CallStart start = vpifuzz::BeginCall(station.data());
    int32_t result = VPI_OK;
    switch (operation) {
      case 0:
        result = ColdStart(station, input);
        break;
      case 1:
        result = station.Call(2);
        break;
      case 2:
        result = Parse(station, input, &request);
        break;
      case 3:
        result = Read(station, address, &request);
        break;
      case 4:
        result = WriteValue(station, input, &request);
        break;
      case 5:
        result = WriteText(station, input, &request);
        break;
      case 6:
        result = station.Call(12);
        break;
      case 7:
        result = station.Call(11);
        break;
      default:
        result = OtherSlot(station, input, &request);
        break;
    }
    const std::string where = "at step " + std::to_string(step) + ", operation " +
                              std::to_string(operation) + ", result " + std::to_string(result);
    std::string broken = vpifuzz::CheckAfterCall(start, station.data(), result);
    if (broken.empty() && !(station.GuardsIntact() && request.GuardsIntact())) {
      broken = "guard bytes overwritten";
    }
    if (broken.empty()) broken = vpifuzz::CheckBlockTexts(station.data());
    vpifuzz::RequireNothingBroken(broken, where);
  }
  return 0;
}
