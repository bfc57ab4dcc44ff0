#include "invariants.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/vpi_records.h"
#include "rvideo-sim/rvsim.h"

namespace vpifuzz {
namespace {

// The handles open on the server now.
std::vector<int32_t> OpenHandles() {
  std::vector<RvSimWindow> windows(static_cast<size_t>(RvSimOpenConnections()));
  const int open = RvSimWall(windows.data(), static_cast<int>(windows.size()));
  std::vector<int32_t> handles;
  for (int i = 0; i < open && i < static_cast<int>(windows.size()); ++i) {
    handles.push_back(windows[static_cast<size_t>(i)].handle);
  }
  return handles;
}

bool Contains(const std::vector<int32_t>& handles, int32_t handle) {
  return std::find(handles.begin(), handles.end(), handle) != handles.end();
}

std::string CheckConnections(const DriverData& d) {
  if (d.connected != 0 && d.connected != 1) return "connected is neither 0 nor 1";
  if (d.numConnections != 0 && d.numConnections != kOpenConnections) {
    return "numConnections is " + std::to_string(d.numConnections);
  }
  for (int slot = kOpenConnections; slot < kConnectionSlots; ++slot) {
    if (d.connections[slot] != 0) return "connection slot " + std::to_string(slot) + " used";
  }
  if (d.connected == 0) return "";
  if (d.numConnections != kOpenConnections) return "connected without six connections";
  const std::vector<int32_t> open = OpenHandles();
  for (int slot = 0; slot < kOpenConnections; ++slot) {
    const int32_t handle = d.connections[slot];
    if (handle == 0 || handle == kInvalidHandle) {
      return "connected with no handle in slot " + std::to_string(slot);
    }
    for (int other = 0; other < slot; ++other) {
      if (d.connections[other] == handle) return "connected with a handle twice";
    }
    if (!Contains(open, handle))
      return "connected with a closed handle in slot " + std::to_string(slot);
  }
  return "";
}

std::string CheckWindows(const DriverData& d) {
  int holders[kRegionCount] = {};
  for (int w = 0; w < kWindowRows; ++w) {
    const int32_t shown = d.windowShown[w];
    if (shown != 0 && shown != 1) return "windowShown of " + std::to_string(w) + " not 0 or 1";
    if (w >= kOpenConnections && shown != 0) return "window " + std::to_string(w) + " shown";
    for (int r = 0; r < kRegionCount; ++r) {
      const int32_t mark = d.regionMap[w][r];
      if (mark != 0 && mark != 1) return "regionMap entry not 0 or 1";
      if (mark == 0) continue;
      if (shown == 0) return "hidden window " + std::to_string(w) + " marks a region";
      if (++holders[r] > 1) return "region " + std::to_string(r) + " marked in two rows";
    }
  }
  return "";
}

}  // namespace

CallStart BeginCall(const DriverData& data) {
  return {data.lastResult, data.connected, RvSimThreadCallCount()};
}

std::string CheckStation(const DriverData& data) {
  std::string broken = CheckConnections(data);
  if (broken.empty()) broken = CheckWindows(data);
  if (broken.empty() && data.lastResult != 0 && data.lastResult != 1) {
    broken = "lastResult is " + std::to_string(data.lastResult);
  }
  if (broken.empty() && RvSimBadHandleCalls() != 0) {
    broken = "a library call named a handle that is not open";
  }
  return broken;
}

std::string CheckAfterCall(const CallStart& start, const DriverData& data, int32_t result) {
  if (result != VPI_OK && result != VPI_INVALID && result != VPI_FAILED) {
    return "result " + std::to_string(result);
  }
  if (result == VPI_INVALID) {
    if (data.lastResult != start.lastResult) return "VPI_INVALID changed lastResult";
    if (start.connected == 1 && RvSimThreadCallCount() != start.libraryCalls) {
      return "VPI_INVALID after a library call";
    }
  }
  return CheckStation(data);
}

std::string CheckBlockTexts(const DriverData& data) {
  if (std::memchr(data.hostName, 0, sizeof data.hostName) == nullptr)
    return "hostName unterminated";
  if (std::memchr(data.address, 0, sizeof data.address) == nullptr) return "address unterminated";
  if (std::memchr(data.caption, 0, sizeof data.caption) == nullptr) return "caption unterminated";
  return "";
}

}  // namespace vpifuzz
