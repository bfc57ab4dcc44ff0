// A blocking client of the simulator's protocol for the tests: frames out,
// answers in, every wait bounded by a timeout.
#pragma once

#include <boost/asio.hpp>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "messages.h"

namespace rvsimdtest {

using std::chrono::milliseconds;

class WireClient {
 public:
  explicit WireClient(uint16_t port);

  bool Connected() const { return connected_; }
  boost::asio::ip::tcp::socket& Socket() { return socket_; }

  bool SendBytes(const void* data, size_t size);
  bool Send(rvproto::Request request);
  // The next answer; false when none came in time, the server closed, or the
  // answer did not decode.
  bool Receive(rvproto::Answer* answer, milliseconds timeout = milliseconds(3000));
  // Sends and receives; an answer of kind kError with code 0 when none came.
  rvproto::Answer Ask(rvproto::Request request);
  bool Hello();
  rvproto::CallAnswer Call(const rvproto::CallRequest& call);
  // True when the server ends the connection within `timeout` (whatever it
  // sends first is read and dropped).
  bool ClosedWithin(milliseconds timeout);

 private:
  // Reads what is there into pending_; false on timeout or a closed socket.
  bool ReadMore(std::chrono::steady_clock::time_point deadline);

  boost::asio::io_context io_;
  boost::asio::ip::tcp::socket socket_;
  std::vector<uint8_t> pending_;
  uint32_t nextTag_ = 1;
  bool connected_ = false;
  bool closed_ = false;
};

// Requests built in one line.
rvproto::Request HelloRequest();
rvproto::Request ControlRequest(rvproto::Kind kind, uint32_t offset = 0);
rvproto::CallRequest CallOf(const char* function, int32_t handle = 0);

}  // namespace rvsimdtest
