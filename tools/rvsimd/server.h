// The network server: one simulator served to many TCP clients on one
// io_context. Everything runs on the thread that runs the io_context; the web
// wall adds its own acceptor to the same context and reads sessions() there.
#pragma once

#include <boost/asio.hpp>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "client_connection.h"
#include "protocol.h"
#include "session_info.h"
#include "simulator.h"

namespace rvsimd {

struct ServerOptions {
  std::string listen = "127.0.0.1";
  uint16_t port = rvproto::kDefaultPort;  // 0: any free port
  int maxConnections = 64;
  // A frame half sent, or an answer the client does not take, for this long
  // ends the connection.
  std::chrono::milliseconds stallTimeout{5000};
};

class Server {
 public:
  Server(boost::asio::io_context& context, rvsim::Simulator& sim, const ServerOptions& options,
         std::ostream& log);

  // Binds and listens; false with the reason in `error`.
  bool Start(std::string* error);
  // Closes the listener and every connection (freeing their windows); the
  // io_context then runs out of work unless others gave it some.
  void Stop();

  uint16_t Port() const { return port_; }
  std::string Address() const;
  boost::asio::io_context& context() { return context_; }
  rvsim::Simulator& simulator() { return sim_; }
  // A snapshot of the open client connections, oldest first.
  std::vector<SessionInfo> sessions() const;
  ServerCounters counters() const;

 private:
  void Accept();
  void OnAccepted(boost::asio::ip::tcp::socket socket);
  void Sweep();

  boost::asio::io_context& context_;
  rvsim::Simulator& sim_;
  ServerOptions options_;
  std::ostream& log_;
  boost::asio::ip::tcp::acceptor acceptor_;
  boost::asio::steady_timer sweepTimer_;
  std::map<uint32_t, std::shared_ptr<ClientConnection>> connections_;
  uint32_t nextId_ = 1;
  uint32_t refused_ = 0;
  uint16_t port_ = 0;
  bool stopped_ = false;
};

}  // namespace rvsimd
