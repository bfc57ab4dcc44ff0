// The library's calls for connections to network servers: an open whose
// host name goes to the network (server_route.h) makes one TCP connection,
// and every later call on its handle is one request and one answer there.
// A server that is gone or silent gives the function's failure value; the
// connection is then dropped, its handle answers 0 until it is closed, and
// the next open connects afresh.
#pragma once

#include <cstdint>
#include <cstring>

#include "core/video_library.h"
#include "messages.h"
#include "network_handles.h"
#include "server_route.h"

namespace rvsim {

// The index of a library function in binding order, the protocol's
// function number.
constexpr uint8_t FunctionNumber(const char* name) {
  for (int i = 0; i < kVideoFunctionCount; ++i) {
    const char* a = kVideoFunctionNames[i];
    const char* b = name;
    while (*a != '\0' && *a == *b) {
      ++a;
      ++b;
    }
    if (*a == *b) return static_cast<uint8_t>(i);
  }
  return 0xFF;
}

// Connects to the route's server and asks it to open `route.openName`: our
// new handle, or -1 when the server refuses or is not reached.
int32_t RemoteOpen(const ServerRoute& route);

// Whether `handle` may be one of ours; a cheap test that lets the calls of
// the in-process server pass without building a request.
inline bool MayBeNetworkHandle(int32_t handle) {
  return handle >= kFirstNetworkHandle;
}

// A request for `function` with no arguments yet.
rvproto::CallRequest CallOf(uint8_t function);

// When `handle` is one of ours, sends `call` to its server (with the
// server's handle in place of ours), puts the answer in `answer` (result 0
// when the server failed us) and returns true; a close also forgets the
// handle. False for any other handle, which the in-process server serves.
bool RemoteCall(int32_t handle, rvproto::CallRequest call, rvproto::CallAnswer* answer);

}  // namespace rvsim
