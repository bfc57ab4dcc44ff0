// One client's TCP connection to the server: reads frames, answers each in
// order, and ends (freeing its windows) when the client goes, sends garbage
// the protocol closes on, or stalls past the timeout.
#pragma once

#include <array>
#include <boost/asio.hpp>
#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "protocol.h"
#include "request_handler.h"
#include "session_info.h"

namespace rvsimd {

using Clock = std::chrono::steady_clock;

// What a connection needs of its server.
struct ConnectionContext {
  rvsim::Simulator* sim = nullptr;
  std::ostream* log = nullptr;
  std::function<ServerCounters()> counters;
  std::function<void(uint32_t id)> finished;  // called once, after its windows are freed
};

class ClientConnection : public std::enable_shared_from_this<ClientConnection> {
 public:
  ClientConnection(boost::asio::ip::tcp::socket socket, uint32_t id, ConnectionContext context);

  void Start();
  // Ends the connection now (idempotent): closes the socket, frees its windows.
  void Finish(const std::string& reason);
  // Ends it when a frame has been half sent, or answers have been backed up
  // unwritten, for longer than `timeout`.
  void CheckStall(Clock::time_point now, Clock::duration timeout);

  SessionInfo Info() const;
  uint32_t Id() const { return session_.id; }

 private:
  void Read();
  void OnRead(const boost::system::error_code& error, size_t bytes);
  // Answers the whole frames in the input, as many as fit the output budget.
  void AnswerFrames();
  // Answers and writes until the input holds no whole frame (then reads) or
  // the socket holds answers back (then waits for it).
  void Pump();
  void Answer(const rvproto::Answer& answer);
  // True when the socket took all the output at once; otherwise the rest is
  // being written (or the connection finished).
  bool WriteNow();
  void OnWritten(const boost::system::error_code& error);

  boost::asio::ip::tcp::socket socket_;
  ConnectionContext context_;
  SessionState session_;
  std::string peer_;
  std::array<uint8_t, 2 * rvproto::kMaxFrame> input_{};
  size_t inputSize_ = 0;
  std::vector<uint8_t> output_;
  bool closeAfterWrite_ = false;
  bool reading_ = false;
  bool writing_ = false;
  bool finished_ = false;
  Clock::time_point partialSince_{};  // a frame begun, not yet whole
  // Since when the socket has been holding answers back (unset whenever it
  // takes all at once): a client that does not read them.
  Clock::time_point backedUpSince_{};
};

// Writes `answer` if the socket takes it at once; for a connection about to close.
void SendNow(boost::asio::ip::tcp::socket& socket, const rvproto::Answer& answer);

// The most answer bytes a connection buffers before it stops taking requests.
constexpr size_t kOutputBudget = size_t{64} * 1024;

}  // namespace rvsimd
