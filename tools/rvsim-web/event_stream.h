// The live push: pages subscribed to /api/v1/events get the whole state as a
// Server-Sent Event whenever the model's revision moves on, at most once per
// interval however fast changes come; calls that change nothing but the trace
// are pushed at a slower pace, so a host polling hard costs little. A page that reads slowly is
// sent only the newest state when it is ready again, so nothing piles up; an idle stream gets a
// comment line now and then, so a vanished page is noticed.
#pragma once

#include <atomic>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "web_model.h"

namespace rvweb {

using Strand = boost::asio::strand<boost::asio::io_context::executor_type>;

struct StreamTiming {
  std::chrono::milliseconds interval{25};  // the shortest time between two pushes
  std::chrono::milliseconds calls{250};    // ... when only calls were served
  std::chrono::seconds heartbeat{15};      // a comment line after this long without a push
  size_t maxSubscribers = 64;
};

class EventStream : public std::enable_shared_from_this<EventStream> {
 public:
  EventStream(const Strand& strand, WebModel& model, std::string instance, StreamTiming timing);

  // Takes over the socket of a GET of the event stream, answers its header
  // and the current state; false (socket untouched) when the stream is full.
  // Called on the strand.
  bool Subscribe(boost::asio::ip::tcp::socket& socket);
  // Closes every stream. Called on the strand.
  void Stop();
  // The pages watching; read from any thread.
  size_t SubscriberCount() const { return count_; }

 private:
  struct Subscriber;
  using Payload = std::shared_ptr<const std::string>;

  void Arm();
  void Tick();
  // Builds the state's event anew when the model moved on since the last one
  // (or, with `callsToo`, when calls were served since).
  void Refresh(bool callsToo);
  void Push(const std::shared_ptr<Subscriber>& subscriber, const Payload& payload);
  void WatchForClose(const std::shared_ptr<Subscriber>& subscriber);
  void Drop(const std::shared_ptr<Subscriber>& subscriber);

  Strand strand_;
  WebModel& model_;
  std::string instance_;
  StreamTiming timing_;
  boost::asio::steady_timer timer_;
  bool armed_ = false;
  bool stopped_ = false;
  std::vector<std::shared_ptr<Subscriber>> subscribers_;
  std::atomic<size_t> count_{0};
  WebModel::Changes built_{0, 0};  // the count the event was built at
  std::chrono::steady_clock::time_point builtAt_;
  uint64_t generation_ = 0;  // counts the events built
  Payload event_;
};

}  // namespace rvweb
