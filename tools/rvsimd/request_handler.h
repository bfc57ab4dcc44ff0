// What the server does with one request of one client connection: the
// protocol's rules (hello first, versions, configuration in chunks) and the
// call or control on the simulator. No sockets here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "messages.h"
#include "simulator.h"

namespace rvsimd {

// The protocol state of one client connection. Its id owns its windows.
struct SessionState {
  uint32_t id = 1;  // never 0, which is the in-process owner
  bool greeted = false;
  std::string pendingConfig;  // configuration chunks until the last
  std::string lastCall;       // the last request's name ("NTRVHideVideo", "wall", ...)
  uint64_t callsServed = 0;   // requests answered
};

// What the server as a whole reports in the stats answer.
struct ServerCounters {
  uint32_t clientConnections = 0;
  uint32_t refusedConnections = 0;
};

enum class Outcome { kContinue, kClose };

// Answers one request payload (a frame without its header) in `answer`.
// kClose: send the answer, then close the connection.
Outcome HandleRequest(rvsim::Simulator& sim, SessionState& session, const ServerCounters& counters,
                      const uint8_t* payload, size_t size, rvproto::Answer* answer);

}  // namespace rvsimd
