// The consistency rules a station and the simulated server keep after every
// slot call, whatever the host sent and whatever the library answered.
#pragma once

#include <cstdint>
#include <string>

#include "core/driver_data.h"

namespace vpifuzz {

// What the rules need to know of the moment before a call.
struct CallStart {
  int32_t lastResult;
  int32_t connected;
  int libraryCalls;  // RvSimThreadCallCount: other threads' stations call too
};
CallStart BeginCall(const DriverData& data);

// The rules about the block and the server alone; empty when they hold,
// otherwise the first one broken:
// - `connected` 1 means `numConnections` 6 and six distinct handles that are
//   open on the server; slots 6 to 9 stay 0; `numConnections` is 0 or 6;
// - shown flags are 0 or 1, a hidden window marks no region, windows 6 to 9
//   are never shown, every region is marked in at most one row;
// - `lastResult` is 0 or 1;
// - no library call named a handle that was not open.
std::string CheckStation(const DriverData& data);

// CheckStation, and: the result is 0, 1 or 2; a VPI_INVALID answer left
// `lastResult` as it was and, on a station that was connected, made no
// library call.
std::string CheckAfterCall(const CallStart& start, const DriverData& data, int32_t result);

// The texts the driver keeps in the block are terminated within their fields.
std::string CheckBlockTexts(const DriverData& data);

}  // namespace vpifuzz
