// The simulated video server: its sources, and the connections opened on it,
// each carrying one window.
#pragma once

#include <cstdint>
#include <vector>

#include "rvsim.h"
#include "sim_config.h"

namespace rvsim {

constexpr int32_t kFirstHandle = 1001;
constexpr uint8_t kDefaultPicture = 128;  // brightness, contrast, saturation

class VideoServer {
 public:
  // Drops every connection; handles start again at kFirstHandle.
  void Reset(const ServerConfig& config);

  // A new handle, or -1 for a host that is not accepted or a full server.
  int32_t Open(const char* hostName);
  // False when `handle` is not open.
  bool Close(int32_t handle);

  // The window of an open connection; null when `handle` is not open.
  RvSimWindow* Window(int32_t handle);
  bool IsOpen(int32_t handle) { return Window(handle) != nullptr; }

  int SourceCount() const { return static_cast<int>(config_.sources.size()); }
  const SourceEntry& Source(int index) const { return config_.sources[index]; }
  const SourceEntry* SourceById(int32_t id) const;

  int OpenCount() const { return static_cast<int>(windows_.size()); }
  // Copies the open windows, in the order they were opened.
  int Wall(RvSimWindow* windows, int capacity) const;

 private:
  bool AcceptsHost(const char* hostName) const;

  ServerConfig config_;
  std::vector<RvSimWindow> windows_;
  int32_t nextHandle_ = kFirstHandle;
};

}  // namespace rvsim
