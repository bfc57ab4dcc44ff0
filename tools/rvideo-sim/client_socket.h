// A blocking TCP connection for the library's network mode, bounded in time:
// every step waits at most until a deadline, on the caller's thread. No
// thread is started. One source file per platform (POSIX sockets, Winsock).
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace rvsim {

using Deadline = std::chrono::steady_clock::time_point;

// A deadline `milliseconds` from now.
inline Deadline DeadlineIn(int milliseconds) {
  return std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
}

// What is left until `deadline` in whole milliseconds, 0 when it has passed.
int MillisecondsLeft(Deadline deadline);

using SocketId = intptr_t;
constexpr SocketId kNoSocket = -1;

// Resolves `host` and connects to `port` on the first of its addresses that
// answers before `deadline`; kNoSocket when none does. The name lookup
// itself is the system's and is not bounded by the deadline.
SocketId ConnectSocket(const char* host, uint16_t port, Deadline deadline);

// Sends all `size` bytes; false when the peer is gone or `deadline` passes.
bool SendAll(SocketId socket, const void* data, size_t size, Deadline deadline);

// Receives at least one byte and at most `capacity` into `data`; the count,
// or 0 when the peer closes, fails or `deadline` passes first.
size_t ReceiveSome(SocketId socket, void* data, size_t capacity, Deadline deadline);

void CloseSocket(SocketId socket);

}  // namespace rvsim
