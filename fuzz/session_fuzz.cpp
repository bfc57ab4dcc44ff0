// A host session against the simulated server: the input is a sequence of
// slot calls (cold start, warm start, parse, read, write with any text or
// value, close, the other slots) and of library failures to inject. After
// every call the station's invariants must hold and no guard byte around the
// block or a host buffer may have changed.
#include <cstddef>
#include <cstdint>

#include "fuzz_choices.h"
#include "fuzz_input.h"
#include "host_station.h"
#include "session_steps.h"

namespace {

constexpr int kMostCalls = 96;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vpifuzz::QuietHostLog();
  vpifuzz::FuzzInput input(data, size);
  vpifuzz::ConfigureServer(input.Byte());
  vpifuzz::HostStation station;
  for (int step = 0; step < kMostCalls && !input.empty(); ++step) {
    const vpifuzz::StepOutcome outcome =
        vpifuzz::RunSessionStep(station, input, step, vpifuzz::StreamFaults::kInject);
    vpifuzz::RequireNothingBroken(outcome.broken, "");
  }
  return 0;
}
