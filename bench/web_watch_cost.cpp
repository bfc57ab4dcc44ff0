// The cost of watching: the network server's calls per second under N load
// connections with no page on the web port's event stream, against the same
// with W streams open, alternating in one run (A B B A ...), as a ratio.
//   web_watch_cost [--seconds S] [--connections N] [--watchers W] [--rounds R]
// The server and its web port share one io_context thread, as in rvsimd; the
// watchers read their streams on a thread of their own.
#include <algorithm>
#include <boost/asio.hpp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "load_clients.h"
#include "server.h"
#include "server_web_model.h"
#include "sim_controls.h"
#include "web_server.h"

namespace {

namespace asio = boost::asio;
using asio::ip::tcp;

struct Options {
  double seconds = 3;
  int connections = 36;
  int watchers = 20;
  int rounds = 3;
};

bool Parse(int argc, char** argv, Options* o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const double value = std::atof(argv[i + 1]);
    if (option == "--seconds") {
      o->seconds = value;
    } else if (option == "--connections") {
      o->connections = static_cast<int>(value);
    } else if (option == "--watchers") {
      o->watchers = static_cast<int>(value);
    } else if (option == "--rounds") {
      o->rounds = static_cast<int>(value);
    } else {
      return false;
    }
  }
  return argc % 2 == 1 && o->seconds > 0 && o->connections > 0 && o->rounds > 0;
}

// W pages' worth of event streams, read and dropped on their own thread.
class Watchers {
 public:
  Watchers(uint16_t port, int count) {
    for (int i = 0; i < count; ++i) {
      auto stream = std::make_shared<Stream>(io_);
      stream->socket.connect(tcp::endpoint(asio::ip::make_address("127.0.0.1"), port));
      stream->request = "GET /api/v1/events HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
                        "\r\nAccept: text/event-stream\r\n\r\n";
      asio::write(stream->socket, asio::buffer(stream->request));
      Read(stream);
      streams_.push_back(stream);
    }
    thread_ = std::thread([this] { io_.run(); });
  }
  ~Watchers() {
    asio::post(io_, [this] {
      for (const auto& stream : streams_) stream->socket.close();
    });
    thread_.join();
  }
  uint64_t bytes() const { return bytes_; }

 private:
  struct Stream {
    explicit Stream(asio::io_context& io) : socket(io) {}
    tcp::socket socket;
    std::string request;
    char buffer[65536];
  };
  void Read(const std::shared_ptr<Stream>& stream) {
    stream->socket.async_read_some(
        asio::buffer(stream->buffer),
        [this, stream](const boost::system::error_code& error, size_t n) {
          bytes_ += n;
          if (!error) Read(stream);
        });
  }
  asio::io_context io_;
  std::vector<std::shared_ptr<Stream>> streams_;
  std::atomic<uint64_t> bytes_{0};
  std::thread thread_;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, &options)) {
    std::fprintf(
        stderr,
        "usage: web_watch_cost [--seconds S] [--connections N] [--watchers W] [--rounds R]\n");
    return 2;
  }
  rvsim::Simulator sim;
  std::string error;
  rvsim::ConfigureLocked(sim, "limit 1024\n", &error);
  std::ostringstream log;
  asio::io_context context(1);
  rvsimd::ServerOptions serverOptions;
  serverOptions.port = 0;
  serverOptions.maxConnections = 1024;
  rvsimd::Server server(context, sim, serverOptions, log);
  rvweb::ServerWebModel model(server);
  rvweb::WebServer web(context, model);
  rvweb::WebOptions webOptions;
  webOptions.enabled = true;
  if (!server.Start(&error) || !web.Start(webOptions, &error)) {
    std::fprintf(stderr, "web_watch_cost: %s\n", error.c_str());
    return 1;
  }
  std::thread serverThread([&] { context.run(); });

  const auto duration = std::chrono::milliseconds(static_cast<long>(options.seconds * 1000));
  std::printf("NTRVGetNumVideoSources over rvsimd, %d connections, %.1f s per side and round\n",
              options.connections, options.seconds);
  std::printf("round  watchers    calls/s  p99 us  pushed KiB/s\n");
  std::vector<double> alone;
  std::vector<double> watched;
  for (int round = 0; round < options.rounds; ++round) {
    for (int side = 0; side < 2; ++side) {
      const bool watching = (side == 0) == (round % 2 == 1);  // A B, then B A
      std::unique_ptr<Watchers> watchers;
      if (watching) watchers = std::make_unique<Watchers>(web.Port(), options.watchers);
      const rvsimload::LoadResult r = rvsimload::RunLoad(server.Port(), options.connections,
                                                         rvsimload::Workload::kServer, duration);
      const double pushed = watchers ? watchers->bytes() / 1024.0 / r.seconds : 0;
      std::printf("%5d  %8d %10.0f %7.1f %13.0f\n", round + 1, watching ? options.watchers : 0,
                  r.CallsPerSecond(), r.p99Micros, pushed);
      (watching ? watched : alone).push_back(r.CallsPerSecond());
    }
  }
  std::printf("median calls/s: %.0f with no page, %.0f with %d pages: %.3fx\n", Median(alone),
              Median(watched), options.watchers, Median(watched) / Median(alone));

  asio::post(context, [&] {
    web.Stop();
    server.Stop();
  });
  serverThread.join();
  return 0;
}
