// POSIX side of the client socket: non-blocking sockets waited on with poll.
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "client_socket.h"

namespace rvsim {
namespace {

// Waits for `events` on the socket; false on timeout or error.
bool WaitFor(int fd, short events, Deadline deadline) {
  for (;;) {
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, MillisecondsLeft(deadline));
    if (ready > 0) return (entry.revents & (events | POLLHUP | POLLERR)) != 0;
    if (ready == 0) return false;
    if (errno != EINTR) return false;
  }
}

int ConnectOne(const addrinfo& address, Deadline deadline) {
  const int fd = ::socket(address.ai_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return -1;
  int refused = ::connect(fd, address.ai_addr, address.ai_addrlen);
  if (refused != 0 && errno == EINPROGRESS && WaitFor(fd, POLLOUT, deadline)) {
    int error = 0;
    socklen_t length = sizeof error;
    refused = ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0;
  }
  if (refused != 0) {
    ::close(fd);
    return -1;
  }
  const int on = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  return fd;
}

}  // namespace

SocketId ConnectSocket(const char* host, uint16_t port, Deadline deadline) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  if (::getaddrinfo(host, service.c_str(), &hints, &found) != 0) return kNoSocket;
  int fd = -1;
  for (const addrinfo* at = found; at != nullptr && fd < 0; at = at->ai_next) {
    if (MillisecondsLeft(deadline) == 0) break;
    fd = ConnectOne(*at, deadline);
  }
  ::freeaddrinfo(found);
  return fd < 0 ? kNoSocket : fd;
}

bool SendAll(SocketId socket, const void* data, size_t size, Deadline deadline) {
  const int fd = static_cast<int>(socket);
  const char* next = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t sent = ::send(fd, next, size, MSG_NOSIGNAL);
    if (sent > 0) {
      next += sent;
      size -= static_cast<size_t>(sent);
    } else if (sent < 0 && errno == EINTR) {
      continue;
    } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (!WaitFor(fd, POLLOUT, deadline)) return false;
    } else {
      return false;
    }
  }
  return true;
}

size_t ReceiveSome(SocketId socket, void* data, size_t capacity, Deadline deadline) {
  const int fd = static_cast<int>(socket);
  for (;;) {
    const ssize_t got = ::recv(fd, data, capacity, 0);
    if (got > 0) return static_cast<size_t>(got);
    if (got == 0) return 0;  // closed by the peer
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return 0;
    if (!WaitFor(fd, POLLIN, deadline)) return 0;
  }
}

void CloseSocket(SocketId socket) {
  if (socket != kNoSocket) ::close(static_cast<int>(socket));
}

}  // namespace rvsim
