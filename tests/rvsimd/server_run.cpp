#include "server_run.h"

#include <gtest/gtest.h>

namespace rvsimdtest {

rvsimd::ServerOptions TestOptions() {
  rvsimd::ServerOptions options;
  options.port = 0;
  options.maxConnections = 8;
  options.stallTimeout = std::chrono::milliseconds(400);
  return options;
}

ServerRun::ServerRun(rvsimd::ServerOptions options) : server_(io_, sim_, options, log_) {
  {
    std::lock_guard<std::mutex> lock(sim_.mutex);
    rvsim::Configure(sim_, nullptr);
  }
  std::string error;
  if (!server_.Start(&error)) ADD_FAILURE() << error;
  port_ = server_.Port();
  thread_ = std::thread([this] { io_.run(); });
}

ServerRun::~ServerRun() {
  boost::asio::post(io_, [this] { server_.Stop(); });
  thread_.join();
}

std::string ServerRun::Log() {
  return OnServer([this](rvsimd::Server&) { return log_.str(); });
}

}  // namespace rvsimdtest
