// One TCP connection to a network server in the simulator's protocol: opened
// with its hello, then one request and one answer at a time. Every step is
// bounded by a timeout (server_route.h); any failure closes the connection.
#pragma once

#include <cstdint>
#include <string>

#include "client_socket.h"
#include "messages.h"

namespace rvsim {

class ServerLink {
 public:
  ServerLink() = default;
  ~ServerLink() { Close(); }
  ServerLink(const ServerLink&) = delete;
  ServerLink& operator=(const ServerLink&) = delete;

  // Connects and says hello within the connect timeout; false when the
  // server is not there, silent, or speaks no common version.
  bool Connect(const std::string& host, uint16_t port);

  // Sends `request` (its tag is set here) and reads its answer within the
  // call timeout. False, with the connection closed, when the server is
  // gone or silent, or answers with an error or out of turn.
  bool Exchange(rvproto::Request& request, rvproto::Answer* answer);

  bool IsOpen() const { return socket_ != kNoSocket; }
  void Close();

 private:
  bool ExchangeBefore(rvproto::Request& request, rvproto::Answer* answer, Deadline deadline);
  bool ReceiveAnswer(rvproto::Answer* answer, Deadline deadline);

  SocketId socket_ = kNoSocket;
  uint32_t nextTag_ = 1;
};

}  // namespace rvsim
