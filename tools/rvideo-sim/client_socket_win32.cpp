// Windows side of the client socket: Winsock, non-blocking sockets waited on
// with select. Winsock is started once, on first use.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <string>

#include "client_socket.h"

namespace rvsim {
namespace {

bool WinsockStarted() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return started;
}

// Waits until the socket is writable (or failed) or readable; false on timeout.
bool WaitFor(SOCKET s, bool forWriting, Deadline deadline) {
  fd_set ready;
  fd_set failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(s, &ready);
  FD_SET(s, &failed);
  const int left = MillisecondsLeft(deadline);
  timeval wait{left / 1000, (left % 1000) * 1000};
  const int count = forWriting ? select(0, nullptr, &ready, &failed, &wait)
                               : select(0, &ready, nullptr, &failed, &wait);
  return count > 0;
}

SOCKET ConnectOne(const addrinfo& address, Deadline deadline) {
  SOCKET s = socket(address.ai_family, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return s;
  u_long nonBlocking = 1;
  ioctlsocket(s, FIONBIO, &nonBlocking);
  bool refused = connect(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) != 0;
  if (refused && WSAGetLastError() == WSAEWOULDBLOCK && WaitFor(s, true, deadline)) {
    int error = 0;
    int length = sizeof error;
    refused = getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0 ||
              error != 0;
  }
  if (refused) {
    closesocket(s);
    return INVALID_SOCKET;
  }
  const BOOL on = TRUE;
  setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
  return s;
}

}  // namespace

SocketId ConnectSocket(const char* host, uint16_t port, Deadline deadline) {
  if (!WinsockStarted()) return kNoSocket;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  if (getaddrinfo(host, service.c_str(), &hints, &found) != 0) return kNoSocket;
  SOCKET s = INVALID_SOCKET;
  for (const addrinfo* at = found; at != nullptr && s == INVALID_SOCKET; at = at->ai_next) {
    if (MillisecondsLeft(deadline) == 0) break;
    s = ConnectOne(*at, deadline);
  }
  freeaddrinfo(found);
  return s == INVALID_SOCKET ? kNoSocket : static_cast<SocketId>(s);
}

bool SendAll(SocketId socket, const void* data, size_t size, Deadline deadline) {
  const SOCKET s = static_cast<SOCKET>(socket);
  const char* next = static_cast<const char*>(data);
  while (size > 0) {
    const int chunk = size > 65536 ? 65536 : static_cast<int>(size);
    const int sent = send(s, next, chunk, 0);
    if (sent > 0) {
      next += sent;
      size -= static_cast<size_t>(sent);
    } else if (sent == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK) {
      if (!WaitFor(s, true, deadline)) return false;
    } else {
      return false;
    }
  }
  return true;
}

size_t ReceiveSome(SocketId socket, void* data, size_t capacity, Deadline deadline) {
  const SOCKET s = static_cast<SOCKET>(socket);
  const int chunk = capacity > 65536 ? 65536 : static_cast<int>(capacity);
  for (;;) {
    const int got = recv(s, static_cast<char*>(data), chunk, 0);
    if (got > 0) return static_cast<size_t>(got);
    if (got == 0) return 0;  // closed by the peer
    if (WSAGetLastError() != WSAEWOULDBLOCK) return 0;
    if (!WaitFor(s, false, deadline)) return 0;
  }
}

void CloseSocket(SocketId socket) {
  if (socket != kNoSocket) closesocket(static_cast<SOCKET>(socket));
}

}  // namespace rvsim
