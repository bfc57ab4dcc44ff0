// The measured slot paths: each is one VpiMain call with records prepared
// once, repeated as a host repeats its polling.
#pragma once

#include <cstdint>

#include "bench_host.h"

namespace vpibench {

// NOLINTNEXTLINE(clang-analyzer-optin.performance.Padding): a short table, fields in reading order
struct SlotPath {
  const char* name;
  uint32_t slot;
  const char* address;  // address text; null for slots that take no request
  int32_t type;         // requestedType (slot 3) or valueType (slot 7)
  const char* text;     // text in the buffer `value` points to; null: a value cell
  int16_t value16;      // number written (types 1 and 6)
  int32_t expected;     // the result every call gives
};

// The dispatch floor comes first; every other figure is a ratio to it.
extern const SlotPath kSlotPaths[];
extern const int kSlotPathCount;

// The path named `name`; null when there is none.
const SlotPath* FindSlotPath(const char* name);

// Starts station `number` on the server as it stands, stages it as a host
// would have (connections open, window 1 showing CAM1 over region 0,
// placement and caption staged), points the call block at the path's
// request and makes the call once. VPI_OK when that call gave the path's
// expected result.
int32_t PrepareStationPath(BenchStation* station, int32_t number, const SlotPath& path);

// PrepareStationPath for kBenchStationNumber on a freshly reset server.
int32_t PreparePath(BenchStation* station, const SlotPath& path);

// The measured call, with everything prepared by PreparePath.
inline int32_t CallPrepared(VpiMainFn entry, BenchStation* station) {
  return entry(&station->call);
}

}  // namespace vpibench
