// Which server a host name reaches: the simulator in this process, or a
// video server simulator on the network. The rules, read once from the
// environment:
//   RVSIM_SERVER=host[:port]  every host name goes to that server; the open
//                             carries the name unchanged
//   a name "host:port"        goes to that host and port; the open carries
//                             "host" (e.g. "localhost:47800" opens "localhost")
//   any other name            stays in this process
// RVSIM_PORT is the port for a server named without one (default
// kDefaultServerPort); RVSIM_CONNECT_TIMEOUT_MS and RVSIM_CALL_TIMEOUT_MS bound
// a connect (with its hello) and each call (default 2000 ms each).
#pragma once

#include <cstdint>
#include <string>

namespace rvsim {

constexpr uint16_t kDefaultServerPort = 47800;  // until the codec names it
constexpr int kDefaultTimeoutMs = 2000;
constexpr int kLongestTimeoutMs = 600000;

struct NetworkSettings {
  std::string server;  // RVSIM_SERVER, empty when unset
  uint16_t port;
  int connectTimeoutMs;
  int callTimeoutMs;
};

// The settings from the environment, read on first use.
const NetworkSettings& Settings();

struct ServerRoute {
  bool network = false;
  std::string host;  // the server's address or name (network only)
  uint16_t port = 0;
  std::string openName;  // the host name the server is asked to open
};

// Where `hostName` goes by the rules above; a null name stays in-process,
// and so does every name while the network is switched off.
ServerRoute RouteFor(const char* hostName);

// On at the start; off, no host name leaves the process (RvSimSetNetwork).
void SetNetworkAllowed(bool allowed);

// "host:port" split when it ends in a port of 1 to 65535 ("[::1]:port" too);
// false, with `host` and `port` untouched, otherwise.
bool SplitHostPort(const std::string& text, std::string* host, uint16_t* port);

}  // namespace rvsim
