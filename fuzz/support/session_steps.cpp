#include "session_steps.h"

#include <cstdint>
#include <string>

#include "core/video_library.h"
#include "core/vpi_records.h"
#include "fuzz_choices.h"
#include "invariants.h"
#include "rvideo-sim/rvsim.h"

namespace vpifuzz {
namespace {

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
  if (variant == 0) init = InitFileNaming(kSimulatorHost);
  if (variant == 2) init = InitFileNaming("nowhere");
  if (variant == 3) init = input.Line() + "\n";
  return station.ColdStart(&init);
}

int32_t Parse(HostStation& station, FuzzInput& input, HostRequest* request) {
  request->record().requestedType = ChooseType(input.Byte());
  return station.Call(3, &request->record());
}

// The host reads the window items into its text buffer and the other items
// into a value cell, as the parser tied each name to its data type. A read
// takes the name after the address's first character, whatever that is.
int32_t Read(HostStation& station, const std::string& address, HostRequest* request) {
  const std::string text = UpToNul(address);  // the host's text ends there
  const std::string name = text.empty() ? text : text.substr(1);
  if (name == "FSHOWWINDOW" || name == "FHIDESOURCE") {
    request->UseBuffer(kReadTextBuffer);
  } else {
    request->UseCell(0);
  }
  return station.Call(5, &request->record());
}

// A value cell for the numeric types; a text write always brings its text.
int32_t WriteValue(HostStation& station, FuzzInput& input, HostRequest* request) {
  const int32_t type = ChooseType(input.Byte());
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

int32_t SlotCall(HostStation& station, FuzzInput& input, int operation, const std::string& address,
                 HostRequest* request) {
  switch (operation) {
    case 0:
      return ColdStart(station, input);
    case 1:
      return station.Call(2);
    case 2:
      return Parse(station, input, request);
    case 3:
      return Read(station, address, request);
    case 4:
      return WriteValue(station, input, request);
    case 5:
      return WriteText(station, input, request);
    case 6:
      return station.Call(12);
    case 7:
      return station.Call(11);
    default:
      return OtherSlot(station, input, request);
  }
}

}  // namespace

StepOutcome RunSessionStep(HostStation& station, FuzzInput& input, int step, StreamFaults faults) {
  StepOutcome outcome;
  const uint8_t operation = input.Byte() % 12;
  if (operation == 10) {
    if (faults == StreamFaults::kInject) AddFault(input);
    return outcome;
  }
  if (operation == 11) {
    if (faults == StreamFaults::kInject) RvSimClearFaults();
    return outcome;
  }
  const std::string address = operation >= 2 && operation <= 5 ? ChooseAddress(input) : "";
  HostRequest request(address);
  const CallStart start = BeginCall(station.data());
  const int32_t result = SlotCall(station, input, operation, address, &request);
  outcome.called = true;
  outcome.coldStart = operation == 0;
  outcome.broken = CheckAfterCall(start, station.data(), result);
  if (outcome.broken.empty() && !(station.GuardsIntact() && request.GuardsIntact())) {
    outcome.broken = "guard bytes overwritten";
  }
  if (outcome.broken.empty()) outcome.broken = CheckBlockTexts(station.data());
  if (!outcome.broken.empty()) {
    outcome.broken = "at step " + std::to_string(step) + ", operation " +
                     std::to_string(operation) + ", result " + std::to_string(result) + ": " +
                     outcome.broken;
  }
  return outcome;
}

}  // namespace vpifuzz
