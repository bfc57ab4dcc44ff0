// The handles this library gave for connections to network servers. Each
// stands for one TCP connection carrying one server-side handle; the handles
// count up from kFirstNetworkHandle, apart from the in-process server's
// (which start at 1001), and are never given twice in a process, so handles
// of the in-process server and of any number of network servers never meet.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "server_link.h"

namespace rvsim {

constexpr int32_t kFirstNetworkHandle = 0x40000001;

struct NetworkConnection {
  std::mutex mutex;  // one exchange at a time; held across the network wait
  ServerLink link;   // closed once the connection failed
  std::atomic<bool> dropped{false};
  std::string server;  // "host:port" as routed
  int32_t serverHandle = -1;
};

class NetworkHandles {
 public:
  // Registers `connection` and returns its new handle; -1 when the handles
  // of this process are spent.
  int32_t Add(std::shared_ptr<NetworkConnection> connection);
  // The connection of `handle`; null when it is not one of ours.
  std::shared_ptr<NetworkConnection> Find(int32_t handle) const;
  // Forgets `handle` and returns its connection (null when unknown).
  std::shared_ptr<NetworkConnection> Remove(int32_t handle);
  // Our handle for `serverHandle` on `server`, when a live connection of
  // ours carries it; 0 otherwise.
  int32_t LocalHandleOf(const std::string& server, int32_t serverHandle) const;

 private:
  mutable std::mutex mutex_;
  std::map<int32_t, std::shared_ptr<NetworkConnection>> connections_;
  int32_t next_ = kFirstNetworkHandle;
};

// The process's table.
NetworkHandles& TheNetworkHandles();

}  // namespace rvsim
