// The RvSim controls when RvSimUseServer aimed them at a network server: each
// is one request (or a few, for the paged wall and trace and a configuration
// in chunks) on a connection of its own, kept between controls and opened
// again when it fails. A server that does not answer gives each control its
// failure value: -1 for a count or a configuration, "" for the trace.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "messages.h"
#include "rvsim.h"
#include "server_link.h"
#include "server_route.h"

namespace rvsim {

class RemoteControls {
 public:
  // Aims the controls where an open of `hostName` goes: 0 for this process's
  // simulator, 1 for a network server that answered, -1 for one that did not.
  int Aim(const char* hostName);
  // True while the controls go to a network server.
  bool Active() const { return active_; }
  // "host:port" of that server, "" while the controls are this process's.
  const char* ServerName();

  int Configure(const char* text);
  const char* ConfigError();
  void AddFault(const char* function, int from, int count, int32_t result);
  void ClearFaults();
  const char* Trace();
  void ClearTrace();
  void SetTracing(bool on);
  // False when the server did not answer.
  bool Stats(rvproto::StatsAnswer* stats);
  // The server's windows as RvSimWall gives them, with this process's own
  // handles for the windows of its own connections; -1 when it did not answer.
  int Wall(RvSimWindow* windows, int capacity);

 private:
  // One exchange under the lock; a connection kept from before that fails
  // is opened again once.
  bool Ask(rvproto::Request& request, rvproto::Answer* answer);
  bool AskLocked(rvproto::Request& request, rvproto::Answer* answer);
  bool Simple(rvproto::Kind kind);
  int ConfigureLocked(const char* text);
  bool WallLocked(std::vector<RvSimWindow>* windows);

  std::mutex mutex_;
  std::atomic<bool> active_{false};
  ServerRoute route_;
  std::string name_;
  ServerLink link_;
  std::string trace_;        // what Trace returned last
  std::string configError_;  // why the last configuration was refused
};

RemoteControls& TheRemoteControls();

}  // namespace rvsim
