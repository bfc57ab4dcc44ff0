#include "network_handles.h"

namespace rvsim {

int32_t NetworkHandles::Add(std::shared_ptr<NetworkConnection> connection) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (next_ == INT32_MAX) return -1;
  const int32_t handle = next_++;
  connections_[handle] = std::move(connection);
  return handle;
}

std::shared_ptr<NetworkConnection> NetworkHandles::Find(int32_t handle) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto it = connections_.find(handle);
  return it == connections_.end() ? nullptr : it->second;
}

std::shared_ptr<NetworkConnection> NetworkHandles::Remove(int32_t handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto it = connections_.find(handle);
  if (it == connections_.end()) return nullptr;
  std::shared_ptr<NetworkConnection> connection = std::move(it->second);
  connections_.erase(it);
  return connection;
}

int32_t NetworkHandles::LocalHandleOf(const std::string& server, int32_t serverHandle) const {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const auto& [handle, connection] : connections_) {
    // `server` and `serverHandle` are fixed before Add: no connection lock needed.
    if (connection->serverHandle == serverHandle && connection->server == server &&
        !connection->dropped) {
      return handle;
    }
  }
  return 0;
}

NetworkHandles& TheNetworkHandles() {
  // Lives as long as the process (exports may run at exit); the system
  // closes the sockets.
  static NetworkHandles* const handles = new NetworkHandles;
  return *handles;
}

}  // namespace rvsim
