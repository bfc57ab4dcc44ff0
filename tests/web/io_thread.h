// An io_context run on a thread of its own for the length of a test; Stop()
// (also on destruction) ends it and joins the thread.
#pragma once

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <thread>

namespace webtest {

class IoThread {
 public:
  IoThread() = default;
  ~IoThread() { Stop(); }
  IoThread(const IoThread&) = delete;
  IoThread& operator=(const IoThread&) = delete;

  boost::asio::io_context& io() { return io_; }
  void Run() {
    thread_ = std::thread([this] { io_.run(); });
  }
  void Stop() {
    work_.reset();
    io_.stop();
    if (thread_.joinable()) thread_.join();
  }

 private:
  boost::asio::io_context io_;
  boost::asio::executor_work_guard<boost::asio::io_context::executor_type> work_ =
      boost::asio::make_work_guard(io_);
  std::thread thread_;
};

}  // namespace webtest
