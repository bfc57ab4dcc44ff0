// The floor of the load measurement: a loopback server that sends back every
// byte it reads, on one thread, as the simulator's server runs on one thread.
#pragma once

#include <boost/asio.hpp>
#include <cstdint>

namespace rvsimload {

// Accepts on a free loopback port and echoes until the context stops.
class EchoServer {
 public:
  explicit EchoServer(boost::asio::io_context& context);
  uint16_t Port() const { return port_; }

 private:
  void Accept();

  boost::asio::ip::tcp::acceptor acceptor_;
  uint16_t port_ = 0;
};

}  // namespace rvsimload
