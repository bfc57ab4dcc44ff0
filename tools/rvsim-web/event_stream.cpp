#include "event_stream.h"

#include <algorithm>
#include <boost/asio/bind_executor.hpp>
#include <boost/asio/write.hpp>

#include "rest_api.h"
#include "state_json.h"

namespace rvweb {

namespace asio = boost::asio;
using Clock = std::chrono::steady_clock;

struct EventStream::Subscriber {
  explicit Subscriber(asio::ip::tcp::socket s) : socket(std::move(s)) {}
  asio::ip::tcp::socket socket;
  bool writing = false;
  uint64_t sentGeneration = 0;
  Clock::time_point lastWrite = Clock::now();
  char discard[256] = {};
};

namespace {

const char kStreamHeader[] =
    "HTTP/1.1 200 OK\r\n"
    "Content-Type: text/event-stream\r\n"
    "Cache-Control: no-store\r\n"
    "X-Content-Type-Options: nosniff\r\n"
    "Connection: keep-alive\r\n"
    "\r\n"
    "retry: 1000\n\n";

const char kHeartbeat[] = ": still here\n\n";

}  // namespace

EventStream::EventStream(const Strand& strand, WebModel& model, std::string instance,
                         StreamTiming timing)
    : strand_(strand),
      model_(model),
      instance_(std::move(instance)),
      timing_(timing),
      timer_(strand) {}

bool EventStream::Subscribe(asio::ip::tcp::socket& socket) {
  if (stopped_ || subscribers_.size() >= timing_.maxSubscribers) return false;
  auto subscriber = std::make_shared<Subscriber>(std::move(socket));
  subscribers_.push_back(subscriber);
  count_ = subscribers_.size();
  Refresh(true);
  subscriber->sentGeneration = generation_;
  Push(subscriber, std::make_shared<const std::string>(kStreamHeader + *event_));
  WatchForClose(subscriber);
  Arm();
  return true;
}

void EventStream::Stop() {
  stopped_ = true;
  timer_.cancel();
  for (const auto& subscriber : subscribers_) {
    boost::system::error_code ignored;
    subscriber->socket.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    subscriber->socket.close(ignored);
  }
  subscribers_.clear();
  count_ = 0;
}

void EventStream::Arm() {
  if (armed_ || stopped_ || subscribers_.empty()) return;
  armed_ = true;
  timer_.expires_after(timing_.interval);
  timer_.async_wait(asio::bind_executor(
      strand_, [self = shared_from_this()](const boost::system::error_code& error) {
        self->armed_ = false;
        if (!error) self->Tick();
      }));
}

void EventStream::Refresh(bool callsToo) {
  const WebModel::Changes count = model_.Count();
  const bool moved = count.revision != built_.revision || (callsToo && count.calls != built_.calls);
  if (event_ != nullptr && !moved) return;
  built_ = count;
  builtAt_ = Clock::now();
  ++generation_;
  event_ = std::make_shared<const std::string>(
      "event: state\ndata: " + DumpJson(FullState(model_, instance_)) + "\n\n");
}

void EventStream::Tick() {
  Refresh(Clock::now() - builtAt_ >= timing_.calls);
  const Clock::time_point now = Clock::now();
  static const Payload heartbeat = std::make_shared<const std::string>(kHeartbeat);
  for (const auto& subscriber : std::vector<std::shared_ptr<Subscriber>>(subscribers_)) {
    if (subscriber->writing) {
      // A page that has taken nothing for this long is gone or stuck.
      if (now - subscriber->lastWrite >= 2 * timing_.heartbeat) Drop(subscriber);
      continue;
    }
    if (subscriber->sentGeneration != generation_) {
      subscriber->sentGeneration = generation_;
      Push(subscriber, event_);
    } else if (now - subscriber->lastWrite >= timing_.heartbeat) {
      Push(subscriber, heartbeat);
    }
  }
  Arm();
}

void EventStream::Push(const std::shared_ptr<Subscriber>& subscriber, const Payload& payload) {
  subscriber->writing = true;
  subscriber->lastWrite = Clock::now();
  asio::async_write(
      subscriber->socket, asio::buffer(*payload),
      asio::bind_executor(strand_, [self = shared_from_this(), subscriber, payload](
                                       const boost::system::error_code& error, size_t) {
        subscriber->writing = false;
        if (error) return self->Drop(subscriber);
        // Changes that came while this write was out go at once, as one event.
        if (!self->stopped_ && subscriber->sentGeneration != self->generation_) {
          subscriber->sentGeneration = self->generation_;
          self->Push(subscriber, self->event_);
        }
      }));
}

void EventStream::WatchForClose(const std::shared_ptr<Subscriber>& subscriber) {
  // A page sends nothing on its stream; reading ends when it goes away.
  subscriber->socket.async_read_some(
      asio::buffer(subscriber->discard),
      asio::bind_executor(strand_, [self = shared_from_this(), subscriber](
                                       const boost::system::error_code& error, size_t) {
        if (error) return self->Drop(subscriber);
        self->WatchForClose(subscriber);
      }));
}

void EventStream::Drop(const std::shared_ptr<Subscriber>& subscriber) {
  const auto found = std::find(subscribers_.begin(), subscribers_.end(), subscriber);
  if (found == subscribers_.end()) return;
  subscribers_.erase(found);
  count_ = subscribers_.size();
  boost::system::error_code ignored;
  subscriber->socket.close(ignored);
}

}  // namespace rvweb
