// The web port of the simulator server: the page and the REST API over HTTP,
// and the event stream, all on one strand of the server's io_context.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "web_model.h"
#include "web_options.h"

namespace boost::asio {
class io_context;
}  // namespace boost::asio

namespace rvweb {

class WebServer {
 public:
  WebServer(boost::asio::io_context& io, WebModel& model);
  ~WebServer();
  WebServer(const WebServer&) = delete;
  WebServer& operator=(const WebServer&) = delete;

  // Binds options.listen:options.port and starts accepting; false with the
  // reason in `error` (address in use, malformed address, no token beyond loopback).
  bool Start(const WebOptions& options, std::string* error);
  // The port it listens on (the one the system picked for port 0).
  unsigned short Port() const;
  // How many pages hold the event stream open; from any thread.
  size_t Watchers() const;
  // Closes the port and every event stream; runs on the io_context.
  void Stop();

 private:
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace rvweb
