// rvsim-load: calls per second and round-trip times of the network server
// against a plain loopback echo of the same frames, at several numbers of
// client connections, in one run. Both servers run in this process, each on
// one thread of its own.
// Each cell alternates echo and server for several rounds and reports the
// round with the median calls per second of each, so that a busy machine
// weighs on both alike.
//   rvsim-load [--seconds S] [--rounds R] [--connections 1,6,36] [--no-trace]
#include <algorithm>
#include <boost/asio.hpp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "echo_server.h"
#include "load_clients.h"
#include "server.h"
#include "sim_controls.h"

namespace {

struct Options {
  double seconds = 1;
  int rounds = 5;
  std::vector<int> connections = {1, 6, 36};
  bool tracing = true;
};

bool Parse(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--no-trace") {
      options->tracing = false;
    } else if (option == "--rounds" && i + 1 < argc) {
      options->rounds = std::atoi(argv[++i]);
    } else if (option == "--seconds" && i + 1 < argc) {
      options->seconds = std::atof(argv[++i]);
    } else if (option == "--connections" && i + 1 < argc) {
      options->connections.clear();
      std::istringstream list(argv[++i]);
      std::string item;
      while (std::getline(list, item, ',')) options->connections.push_back(std::atoi(item.c_str()));
    } else {
      return false;
    }
  }
  return options->seconds > 0 && options->rounds > 0 && !options->connections.empty();
}

void Print(int connections, const char* target, const rvsimload::LoadResult& r) {
  std::printf("%11d  %-6s %10.0f %8.1f %8.1f %7llu\n", connections, target, r.CallsPerSecond(),
              r.p50Micros, r.p99Micros, static_cast<unsigned long long>(r.errors));
}

rvsimload::LoadResult Median(std::vector<rvsimload::LoadResult> results) {
  std::sort(results.begin(), results.end(),
            [](const rvsimload::LoadResult& a, const rvsimload::LoadResult& b) {
              return a.CallsPerSecond() < b.CallsPerSecond();
            });
  return results[results.size() / 2];
}

int Run(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, &options)) {
    std::fprintf(stderr,
                 "usage: rvsim-load [--seconds S] [--rounds R] [--connections 1,6,36] "
                 "[--no-trace]\n");
    return 2;
  }
  rvsim::Simulator sim;
  std::string error;
  rvsim::ConfigureLocked(sim, "limit 1024\n", &error);
  rvsim::SetTracing(sim, options.tracing);
  std::ostringstream log;
  boost::asio::io_context serverContext(1);
  rvsimd::ServerOptions serverOptions;
  serverOptions.port = 0;
  serverOptions.maxConnections = 1024;
  rvsimd::Server server(serverContext, sim, serverOptions, log);
  if (!server.Start(&error)) {
    std::fprintf(stderr, "rvsim-load: %s\n", error.c_str());
    return 1;
  }
  boost::asio::io_context echoContext(1);
  rvsimload::EchoServer echo(echoContext);
  std::thread serverThread([&] { serverContext.run(); });
  std::thread echoThread([&] { echoContext.run(); });

  const auto duration = std::chrono::milliseconds(static_cast<long>(options.seconds * 1000));
  std::printf(
      "NTRVGetNumVideoSources over rvsimd (trace %s) vs. echo, median of %d rounds "
      "of %.1f s\n",
      options.tracing ? "on" : "off", options.rounds, options.seconds);
  std::printf("connections  target    calls/s  p50 us   p99 us  errors\n");
  std::vector<std::string> ratios;
  for (int connections : options.connections) {
    std::vector<rvsimload::LoadResult> floors;
    std::vector<rvsimload::LoadResult> serveds;
    for (int round = 0; round < options.rounds; ++round) {
      floors.push_back(
          rvsimload::RunLoad(echo.Port(), connections, rvsimload::Workload::kEcho, duration));
      serveds.push_back(
          rvsimload::RunLoad(server.Port(), connections, rvsimload::Workload::kServer, duration));
    }
    const rvsimload::LoadResult floor = Median(floors);
    const rvsimload::LoadResult served = Median(serveds);
    Print(connections, "echo", floor);
    Print(connections, "rvsimd", served);
    char line[160];
    std::snprintf(line, sizeof line, "%11d  calls/s %.2fx echo, p99 %.2fx echo", connections,
                  served.CallsPerSecond() / floor.CallsPerSecond(),
                  served.p99Micros / floor.p99Micros);
    ratios.push_back(line);
    // Each client's connection ends with its loop; its window goes with it.
  }
  std::printf("ratios:\n");
  for (const std::string& line : ratios) std::printf("%s\n", line.c_str());

  boost::asio::post(serverContext, [&] { server.Stop(); });
  echoContext.stop();
  serverThread.join();
  echoThread.join();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "rvsim-load: %s\n", failure.what());
    return 1;
  }
}
