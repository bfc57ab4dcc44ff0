// The simulated video server: its sources, and the connections opened on it,
// each carrying one window and belonging to the owner that opened it.
#pragma once

#include <cstdint>
#include <vector>

#include "rvsim_window.h"
#include "sim_config.h"

namespace rvsim {

constexpr int32_t kFirstHandle = 1001;
constexpr uint8_t kDefaultPicture = 128;  // brightness, contrast, saturation

// Who opened a connection: the in-process library is kLocalOwner; the network
// server gives each client connection its own id. A handle is open only for
// its owner.
using Owner = uint32_t;
constexpr Owner kLocalOwner = 0;

// True when every field of `a` equals that of `b`.
bool SameWindow(const RvSimWindow& a, const RvSimWindow& b);

class VideoServer {
 public:
  // Drops every connection; handles start again at kFirstHandle.
  void Reset(const ServerConfig& config);

  // A new handle of `owner`, or -1 for a host that is not accepted or a full server.
  int32_t Open(const char* hostName, Owner owner);
  // False when `handle` is not open for `owner`.
  bool Close(int32_t handle, Owner owner);
  // Closes every connection of `owner`; returns how many there were.
  int CloseAllOf(Owner owner);

  // The window of a connection open for `owner`; null otherwise.
  RvSimWindow* Window(int32_t handle, Owner owner);
  // The open handles of `owner`, oldest first.
  std::vector<int32_t> HandlesOf(Owner owner) const;

  const ServerConfig& Config() const { return config_; }
  int SourceCount() const { return static_cast<int>(config_.sources.size()); }
  const SourceEntry& Source(int index) const { return config_.sources[index]; }
  const SourceEntry* SourceById(int32_t id) const;

  int OpenCount() const { return static_cast<int>(connections_.size()); }
  // Copies the open windows, in the order they were opened.
  int Wall(RvSimWindow* windows, int capacity) const;

 private:
  bool AcceptsHost(const char* hostName) const;

  ServerConfig config_;
  struct Connection {
    RvSimWindow window;
    Owner owner;
  };
  std::vector<Connection> connections_;
  int32_t nextHandle_ = kFirstHandle;
};

}  // namespace rvsim
