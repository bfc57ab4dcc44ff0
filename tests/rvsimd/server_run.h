// The network server on a thread of the test, on a loopback port of its own
// choosing; stopped and joined when the object goes, also when a test fails.
#pragma once

#include <boost/asio.hpp>
#include <future>
#include <sstream>
#include <string>
#include <thread>

#include "server.h"
#include "simulator.h"

namespace rvsimdtest {

rvsimd::ServerOptions TestOptions();

class ServerRun {
 public:
  explicit ServerRun(rvsimd::ServerOptions options = TestOptions());
  ~ServerRun();
  ServerRun(const ServerRun&) = delete;
  ServerRun& operator=(const ServerRun&) = delete;

  uint16_t Port() const { return port_; }
  rvsim::Simulator& Sim() { return sim_; }

  // Runs `work(server)` on the server's thread and returns its result.
  template <typename Work>
  auto OnServer(Work work) -> decltype(work(std::declval<rvsimd::Server&>())) {
    using Result = decltype(work(std::declval<rvsimd::Server&>()));
    std::packaged_task<Result()> task([&] { return work(server_); });
    std::future<Result> result = task.get_future();
    boost::asio::post(io_, [&task] { task(); });
    return result.get();
  }
  // The server's log so far.
  std::string Log();

 private:
  rvsim::Simulator sim_;
  boost::asio::io_context io_;
  std::ostringstream log_;
  rvsimd::Server server_;
  uint16_t port_ = 0;
  std::thread thread_;
};

}  // namespace rvsimdtest
