// A one-connection server on a loopback port it picks, run on a thread of
// the test, that answers as told: well, wrongly or not at all.
#pragma once

#include <atomic>
#include <boost/asio.hpp>
#include <cstdint>
#include <string>
#include <thread>

namespace nettest {

enum class Behaviour {
  kNeverAccepts,     // listens, takes no connection: the hello gets no answer
  kClosesAtOnce,     // takes the connection and closes it
  kAnswersGarbage,   // answers the hello with a frame too short to be an answer
  kOversizedFrame,   // answers the hello with a frame header over the limit
  kWrongTag,         // answers the hello for another tag
  kRefusesOpen,      // a good hello, then the open answers -1
  kSilentAfterOpen,  // a good hello and open (handle 1001), then no answer
  kClosesAfterOpen,  // a good hello and open, then closes
};

class FakeServer {
 public:
  explicit FakeServer(Behaviour behaviour);
  ~FakeServer();
  FakeServer(const FakeServer&) = delete;
  FakeServer& operator=(const FakeServer&) = delete;

  // "127.0.0.1:port", a host name the library sends to the network.
  std::string HostName() const;
  // Waits up to a second for the client to close the connection it held
  // open; true when it did.
  bool ClientClosed() const;

 private:
  void Serve();
  bool Answer(boost::asio::ip::tcp::socket& socket, int32_t openResult);

  Behaviour behaviour_;
  boost::asio::io_context context_;
  boost::asio::ip::tcp::acceptor acceptor_;
  std::thread thread_;
  std::atomic<bool> stopping_{false};
  std::atomic<bool> clientClosed_{false};
};

// A loopback port nothing listens on (bound, then let go).
std::string UnusedHostName();

}  // namespace nettest
