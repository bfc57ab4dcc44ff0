#include "remote_controls.h"

#include <algorithm>
#include <vector>

#include "network_handles.h"

namespace rvsim {
namespace {

using Lock = std::lock_guard<std::mutex>;
using rvproto::Kind;

rvproto::Request RequestOf(Kind kind) {
  rvproto::Request request;
  request.kind = kind;
  return request;
}

// A wall read page by page is only whole when every page has one revision;
// a wall that keeps changing is given as the last try read it.
constexpr int kWallTries = 3;

}  // namespace

int RemoteControls::Aim(const char* hostName) {
  Lock lock(mutex_);
  const ServerRoute route = RouteFor(hostName);
  if (!route.network) {
    active_ = false;
    return 0;
  }
  const std::string name = route.host + ":" + std::to_string(route.port);
  if (name != name_) {
    link_.Close();
    route_ = route;
    name_ = name;
  }
  active_ = true;
  if (link_.IsOpen()) {
    rvproto::Request request = RequestOf(Kind::kStats);
    rvproto::Answer answer;
    return AskLocked(request, &answer) ? 1 : -1;
  }
  return link_.Connect(route_.host, route_.port) ? 1 : -1;
}

const char* RemoteControls::ServerName() {
  Lock lock(mutex_);
  return active_ ? name_.c_str() : "";
}

bool RemoteControls::Ask(rvproto::Request& request, rvproto::Answer* answer) {
  Lock lock(mutex_);
  return AskLocked(request, answer);
}

bool RemoteControls::AskLocked(rvproto::Request& request, rvproto::Answer* answer) {
  const bool kept = link_.IsOpen();
  if (!kept && !link_.Connect(route_.host, route_.port)) return false;
  if (link_.Exchange(request, answer)) return true;
  if (!kept || !link_.Connect(route_.host, route_.port)) return false;
  return link_.Exchange(request, answer);
}

bool RemoteControls::Simple(Kind kind) {
  rvproto::Request request = RequestOf(kind);
  rvproto::Answer answer;
  return Ask(request, &answer);
}

int RemoteControls::Configure(const char* text) {
  Lock lock(mutex_);
  configError_.clear();
  const int status = ConfigureLocked(text);
  if (status != 0 && configError_.empty()) {
    configError_ = "the video server " + name_ + " does not answer";
  }
  return status;
}

// A configuration goes in chunks; the server applies it with the last one.
int RemoteControls::ConfigureLocked(const char* text) {
  const std::string whole = text == nullptr ? "" : text;
  size_t at = 0;
  do {
    rvproto::Request request = RequestOf(Kind::kConfigure);
    request.text = whole.substr(at, rvproto::kMaxChunkText);
    at += request.text.size();
    request.flag = at >= whole.size();
    rvproto::Answer answer;
    if (!AskLocked(request, &answer)) return -1;
    if (answer.configure.applied) {
      configError_ = answer.configure.error;
      return answer.configure.status;
    }
  } while (at < whole.size());
  return -1;
}

const char* RemoteControls::ConfigError() {
  Lock lock(mutex_);
  return configError_.c_str();
}

void RemoteControls::AddFault(const char* function, int from, int count, int32_t result) {
  rvproto::Request request = RequestOf(Kind::kAddFault);
  request.fault.function = function;
  request.fault.from = from;
  request.fault.count = count;
  request.fault.result = result;
  rvproto::Answer answer;
  Ask(request, &answer);
}

void RemoteControls::ClearFaults() {
  Simple(Kind::kClearFaults);
}

const char* RemoteControls::Trace() {
  Lock lock(mutex_);
  trace_.clear();
  for (;;) {
    rvproto::Request request = RequestOf(Kind::kTrace);
    request.offset = static_cast<uint32_t>(trace_.size());
    rvproto::Answer answer;
    if (!AskLocked(request, &answer)) break;
    trace_ += answer.trace.text;
    if (answer.trace.text.empty() || trace_.size() >= answer.trace.total) break;
  }
  return trace_.c_str();
}

void RemoteControls::ClearTrace() {
  Simple(Kind::kClearTrace);
}

void RemoteControls::SetTracing(bool on) {
  rvproto::Request request = RequestOf(Kind::kSetTracing);
  request.flag = on;
  rvproto::Answer answer;
  Ask(request, &answer);
}

bool RemoteControls::Stats(rvproto::StatsAnswer* stats) {
  rvproto::Request request = RequestOf(Kind::kStats);
  rvproto::Answer answer;
  if (!Ask(request, &answer)) return false;
  *stats = answer.stats;
  return true;
}

bool RemoteControls::WallLocked(std::vector<RvSimWindow>* windows) {
  for (int attempt = 0; attempt < kWallTries; ++attempt) {
    windows->clear();
    uint64_t revision = 0;
    bool whole = true;
    for (;;) {
      rvproto::Request request = RequestOf(Kind::kWall);
      request.offset = static_cast<uint32_t>(windows->size());
      rvproto::Answer answer;
      if (!AskLocked(request, &answer)) return false;
      if (windows->empty()) revision = answer.wall.revision;
      whole = whole && answer.wall.revision == revision;
      windows->insert(windows->end(), answer.wall.windows.begin(), answer.wall.windows.end());
      if (answer.wall.windows.empty() || windows->size() >= answer.wall.total) break;
    }
    if (whole) break;
  }
  return true;
}

int RemoteControls::Wall(RvSimWindow* windows, int capacity) {
  std::vector<RvSimWindow> wall;
  std::string server;
  {
    Lock lock(mutex_);
    if (!WallLocked(&wall)) return -1;
    server = name_;
  }
  for (RvSimWindow& window : wall) {
    const int32_t own = TheNetworkHandles().LocalHandleOf(server, window.handle);
    if (own != 0) window.handle = own;
  }
  const int open = static_cast<int>(wall.size());
  if (windows != nullptr) std::copy_n(wall.begin(), std::min(open, capacity), windows);
  return open;
}

RemoteControls& TheRemoteControls() {
  static RemoteControls* const controls = new RemoteControls;  // as TheNetworkHandles
  return *controls;
}

}  // namespace rvsim
