// The steps of a host session read from a stream of decisions: slot calls
// (cold start with any initialization file, warm start, parse, read, write
// with any value or text, both closes, the other slots) and, when asked for,
// library failures to inject. Used by the session fuzzer and by the stress
// runs of several stations on threads.
#pragma once

#include <string>

#include "fuzz_input.h"
#include "host_station.h"

namespace vpifuzz {

// Whether the stream's fault decisions add and clear simulator faults, or
// are passed over (the faults come from elsewhere, e.g. a random share).
enum class StreamFaults { kInject, kSkip };

struct StepOutcome {
  bool called = false;     // a slot call was made (not a fault decision)
  bool coldStart = false;  // it was slot 1, which forgets open connections
  std::string broken;      // the first invariant broken after it; empty: none
};

// Takes one step from `input` on `station` and checks the station's
// invariants, the guard bytes and the block's texts after it. `broken`
// names the step number, the operation and the result.
StepOutcome RunSessionStep(HostStation& station, FuzzInput& input, int step, StreamFaults faults);

}  // namespace vpifuzz
