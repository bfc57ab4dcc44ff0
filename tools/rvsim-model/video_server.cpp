#include "video_server.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace rvsim {
namespace {

// Host names compare without regard to case, as names on a network do.
bool SameHost(const char* a, const char* b) {
  for (; *a != '\0' && *b != '\0'; ++a, ++b) {
    if (std::tolower(static_cast<unsigned char>(*a)) !=
        std::tolower(static_cast<unsigned char>(*b))) {
      return false;
    }
  }
  return *a == *b;
}

RvSimWindow FreshWindow(int32_t handle) {
  RvSimWindow window;
  std::memset(&window, 0, sizeof window);
  window.handle = handle;
  window.sourceId = -1;
  window.brightness = kDefaultPicture;
  window.contrast = kDefaultPicture;
  window.saturation = kDefaultPicture;
  window.state = RVSIM_HIDDEN;
  return window;
}

}  // namespace

bool SameWindow(const RvSimWindow& a, const RvSimWindow& b) {
  return a.handle == b.handle && a.sourceId == b.sourceId &&
         std::memcmp(a.sourceName, b.sourceName, sizeof a.sourceName) == 0 && a.x == b.x &&
         a.y == b.y && a.width == b.width && a.height == b.height && a.zoomX == b.zoomX &&
         a.zoomY == b.zoomY && a.zoomWidth == b.zoomWidth && a.zoomHeight == b.zoomHeight &&
         a.zOrder == b.zOrder && std::memcmp(a.caption, b.caption, sizeof a.caption) == 0 &&
         a.colorKey == b.colorKey && a.insertionMode == b.insertionMode &&
         a.brightness == b.brightness && a.contrast == b.contrast && a.saturation == b.saturation &&
         a.hue == b.hue && a.state == b.state;
}

void VideoServer::Reset(const ServerConfig& config) {
  config_ = config;
  connections_.clear();
  nextHandle_ = kFirstHandle;
}

bool VideoServer::AcceptsHost(const char* hostName) const {
  if (hostName == nullptr) return false;
  for (const std::string& host : config_.hosts) {
    if (SameHost(host.c_str(), hostName)) return true;
  }
  return false;
}

int32_t VideoServer::Open(const char* hostName, Owner owner) {
  if (!AcceptsHost(hostName) || OpenCount() >= config_.connectionLimit) return -1;
  if (nextHandle_ == INT32_MAX) return -1;  // every handle of this configuration is spent
  connections_.push_back({FreshWindow(nextHandle_), owner});
  return nextHandle_++;
}

bool VideoServer::Close(int32_t handle, Owner owner) {
  for (auto it = connections_.begin(); it != connections_.end(); ++it) {
    if (it->window.handle == handle && it->owner == owner) {
      connections_.erase(it);
      return true;
    }
  }
  return false;
}

int VideoServer::CloseAllOf(Owner owner) {
  const size_t before = connections_.size();
  connections_.erase(std::remove_if(connections_.begin(), connections_.end(),
                                    [owner](const Connection& c) { return c.owner == owner; }),
                     connections_.end());
  return static_cast<int>(before - connections_.size());
}

RvSimWindow* VideoServer::Window(int32_t handle, Owner owner) {
  for (Connection& connection : connections_) {
    if (connection.window.handle == handle && connection.owner == owner) return &connection.window;
  }
  return nullptr;
}

std::vector<int32_t> VideoServer::HandlesOf(Owner owner) const {
  std::vector<int32_t> handles;
  for (const Connection& connection : connections_) {
    if (connection.owner == owner) handles.push_back(connection.window.handle);
  }
  return handles;
}

const SourceEntry* VideoServer::SourceById(int32_t id) const {
  for (const SourceEntry& source : config_.sources) {
    if (source.id == id) return &source;
  }
  return nullptr;
}

int VideoServer::Wall(RvSimWindow* windows, int capacity) const {
  const int open = OpenCount();
  for (int i = 0; i < open && i < capacity && windows != nullptr; ++i) {
    windows[i] = connections_[i].window;
  }
  return open;
}

}  // namespace rvsim
