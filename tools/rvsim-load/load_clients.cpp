#include "load_clients.h"

#include <algorithm>
#include <atomic>
#include <boost/asio.hpp>
#include <thread>

#include "frame_split.h"
#include "messages.h"

namespace rvsimload {
namespace {

namespace asio = boost::asio;
using asio::ip::tcp;
using Clock = std::chrono::steady_clock;

struct Shared {
  std::atomic<int> ready{0};
  std::atomic<bool> go{false};
  std::atomic<bool> stop{false};
};

struct ClientTally {
  uint64_t calls = 0;
  uint64_t errors = 0;
  std::vector<uint32_t> nanos;
};

class Client {
 public:
  explicit Client(uint16_t port) : socket_(io_) {
    socket_.connect(tcp::endpoint(asio::ip::make_address("127.0.0.1"), port));
    socket_.set_option(tcp::no_delay(true));
  }

  // Sends a request and waits for one frame back; its payload in `answer`.
  bool RoundTrip(const uint8_t* frame, size_t size, rvproto::Answer* answer, bool decode) {
    asio::write(socket_, asio::buffer(frame, size));
    size_t have = 0;
    size_t payload = 0;
    while (rvproto::SplitFrame(buffer_, have, &payload) != rvproto::FrameStatus::kFrame) {
      have += socket_.read_some(asio::buffer(buffer_ + have, sizeof buffer_ - have));
    }
    return !decode || rvproto::DecodeAnswer(buffer_ + rvproto::kFrameHeaderSize, payload, answer);
  }

 private:
  asio::io_context io_;
  tcp::socket socket_;
  uint8_t buffer_[2 * rvproto::kMaxFrame];
};

size_t Encode(const rvproto::Request& request, uint8_t* frame) {
  return rvproto::EncodeRequest(request, frame, rvproto::kMaxFrame);
}

rvproto::Request CountRequest(int32_t handle) {
  rvproto::Request request;
  request.kind = rvproto::Kind::kCall;
  request.tag = 3;
  request.call.function = 2;  // NTRVGetNumVideoSources
  request.call.handle = handle;
  return request;
}

void RunClient(uint16_t port, Workload workload, Shared& shared, ClientTally& tally) {
  Client client(port);
  uint8_t frame[rvproto::kMaxFrame];
  rvproto::Answer answer;
  int32_t handle = 1001;
  if (workload == Workload::kServer) {
    rvproto::Request hello;
    hello.kind = rvproto::Kind::kHello;
    hello.hello.name = "rvsim-load";
    client.RoundTrip(frame, Encode(hello, frame), &answer, true);
    rvproto::Request open;
    open.kind = rvproto::Kind::kCall;
    open.call.function = 0;
    open.call.text = "simulator";
    client.RoundTrip(frame, Encode(open, frame), &answer, true);
    handle = answer.call.result;
  }
  const size_t size = Encode(CountRequest(handle), frame);
  tally.nanos.reserve(1 << 20);
  ++shared.ready;
  while (!shared.go) std::this_thread::yield();
  const bool check = workload == Workload::kServer;
  while (!shared.stop.load(std::memory_order_relaxed)) {
    const Clock::time_point start = Clock::now();
    const bool ok = client.RoundTrip(frame, size, &answer, check);
    const Clock::time_point end = Clock::now();
    tally.nanos.push_back(static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(end - start).count()));
    ++tally.calls;
    if (check && (!ok || answer.call.result != 1 || answer.call.count == 0)) ++tally.errors;
  }
}

double Percentile(std::vector<uint32_t>& values, double fraction) {
  if (values.empty()) return 0;
  const size_t at = std::min(values.size() - 1,
                             static_cast<size_t>(fraction * static_cast<double>(values.size())));
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(at), values.end());
  return values[at] / 1000.0;
}

}  // namespace

LoadResult RunLoad(uint16_t port, int connections, Workload workload,
                   std::chrono::milliseconds duration) {
  Shared shared;
  std::vector<ClientTally> tallies(static_cast<size_t>(connections));
  std::vector<std::thread> threads;
  threads.reserve(static_cast<size_t>(connections));
  for (int i = 0; i < connections; ++i) {
    threads.emplace_back(
        [&, i] { RunClient(port, workload, shared, tallies[static_cast<size_t>(i)]); });
  }
  while (shared.ready < connections) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  const Clock::time_point start = Clock::now();
  shared.go = true;
  std::this_thread::sleep_for(duration);
  shared.stop = true;
  for (std::thread& thread : threads) thread.join();
  const Clock::time_point end = Clock::now();

  LoadResult result;
  result.seconds = std::chrono::duration<double>(end - start).count();
  std::vector<uint32_t> all;
  for (const ClientTally& tally : tallies) {
    result.calls += tally.calls;
    result.errors += tally.errors;
    all.insert(all.end(), tally.nanos.begin(), tally.nanos.end());
  }
  result.p50Micros = Percentile(all, 0.50);
  result.p99Micros = Percentile(all, 0.99);
  return result;
}

}  // namespace rvsimload
