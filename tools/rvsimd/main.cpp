// rvsimd: the simulated video server on the network. Foreground; log lines on
// standard output, failures on standard error; SIGINT or SIGTERM stops it.
#include <boost/asio.hpp>
#include <csignal>
#include <exception>
#include <iostream>

#include "server.h"
#include "server_options.h"
#include "server_web_model.h"
#include "simulator.h"
#include "vpi_version.h"
#include "web_server.h"

namespace {

int Run(int argc, char** argv) {
  rvsimd::CommandLine line;
  std::string error;
  rvweb::WebOptions web;
  std::vector<char*> args;
  if (!rvweb::SplitWebOptions(argc, argv, &web, &args, &error) ||
      !rvsimd::ParseCommandLine(static_cast<int>(args.size()), args.data(), &line, &error)) {
    std::cerr << "rvsimd: " << error << "\n" << rvsimd::kUsage << rvweb::WebOptionsHelp();
    return 2;
  }
  if (line.help) {
    std::cout << rvsimd::kUsage << rvweb::WebOptionsHelp();
    return 0;
  }
  if (line.version) {
    std::cout << "rvsimd " << VPI_VERSION_TEXT << "\n";
    return 0;
  }
  rvsim::Simulator sim;
  {
    std::lock_guard<std::mutex> lock(sim.mutex);
    const bool ok = line.configFile.empty()
                        ? rvsim::Configure(sim, nullptr)
                        : rvsim::ConfigureFromFile(sim, line.configFile.c_str());
    if (!ok) {
      std::cerr << "rvsimd: " << line.configFile << ": " << sim.configError << "\n";
      return 2;
    }
  }
  boost::asio::io_context context(1);
  rvsimd::Server server(context, sim, line.server, std::cout);
  if (!server.Start(&error)) {
    std::cerr << "rvsimd: " << error << "\n";
    return 1;
  }
  std::cout << "rvsimd: listening on " << server.Address() << std::endl;
  rvweb::ServerWebModel webModel(server);
  rvweb::WebServer webPort(context, webModel);
  if (web.enabled) {
    if (!webPort.Start(web, &error)) {
      std::cerr << "rvsimd: " << error << "\n";
      return 1;
    }
    std::cout << "rvsimd: web page on http://" << web.listen << ":" << webPort.Port() << "/"
              << std::endl;
  }
  boost::asio::signal_set signals(context, SIGINT, SIGTERM);
  signals.async_wait([&](const boost::system::error_code& failure, int number) {
    if (failure) return;
    std::cout << "rvsimd: stopping (signal " << number << ")" << std::endl;
    server.Stop();
    webPort.Stop();
  });
  context.run();
  std::cout << "rvsimd: stopped" << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& failure) {
    std::cerr << "rvsimd: " << failure.what() << "\n";
    return 1;
  }
}
