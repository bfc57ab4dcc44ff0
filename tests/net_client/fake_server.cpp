#include "fake_server.h"

#include <chrono>

#include "frame_split.h"
#include "messages.h"

namespace nettest {
namespace {

using boost::asio::ip::tcp;

const tcp::endpoint kLoopback(boost::asio::ip::make_address("127.0.0.1"), 0);

// Reads one request frame; false when the peer closed or sent no frame.
bool ReadRequest(tcp::socket& socket, rvproto::Request* request) {
  uint8_t frame[rvproto::kMaxFrame];
  size_t have = 0;
  size_t payload = 0;
  boost::system::error_code error;
  for (;;) {
    const rvproto::FrameStatus status = rvproto::SplitFrame(frame, have, &payload);
    if (status == rvproto::FrameStatus::kFrame) break;
    if (status == rvproto::FrameStatus::kTooLarge) return false;
    have += socket.read_some(boost::asio::buffer(frame + have, sizeof frame - have), error);
    if (error) return false;
  }
  return rvproto::DecodeRequest(frame + rvproto::kFrameHeaderSize, payload, request);
}

void Send(tcp::socket& socket, const rvproto::Answer& answer) {
  uint8_t frame[rvproto::kMaxFrame];
  const size_t size = rvproto::EncodeAnswer(answer, frame, sizeof frame);
  boost::system::error_code error;
  boost::asio::write(socket, boost::asio::buffer(frame, size), error);
}

void SendBytes(tcp::socket& socket, const std::string& bytes) {
  boost::system::error_code error;
  boost::asio::write(socket, boost::asio::buffer(bytes), error);
}

}  // namespace

FakeServer::FakeServer(Behaviour behaviour)
    : behaviour_(behaviour), acceptor_(context_, kLoopback) {
  acceptor_.listen(1);
  if (behaviour_ != Behaviour::kNeverAccepts) thread_ = std::thread([this] { Serve(); });
}

FakeServer::~FakeServer() {
  stopping_ = true;
  boost::system::error_code error;
  // A connection to ourselves ends an accept still waiting.
  if (thread_.joinable()) {
    tcp::socket wake(context_);
    wake.connect(acceptor_.local_endpoint(), error);
    thread_.join();
  }
  acceptor_.close(error);
}

std::string FakeServer::HostName() const {
  return "127.0.0.1:" + std::to_string(acceptor_.local_endpoint().port());
}

bool FakeServer::ClientClosed() const {
  for (int waited = 0; waited < 1000 && !clientClosed_; waited += 5) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return clientClosed_;
}

void FakeServer::Serve() {
  boost::system::error_code error;
  tcp::socket socket(context_);
  acceptor_.accept(socket, error);
  if (error || stopping_) return;
  if (behaviour_ == Behaviour::kClosesAtOnce) return;
  const bool opened = Answer(socket, behaviour_ == Behaviour::kRefusesOpen ? -1 : 1001);
  if (!opened || behaviour_ == Behaviour::kClosesAfterOpen) return;
  // Silent: holds the connection, reading what comes, until the test ends.
  uint8_t sink[256];
  while (!stopping_) {
    socket.non_blocking(true);
    socket.read_some(boost::asio::buffer(sink), error);
    if (error && error != boost::asio::error::would_block) {
      clientClosed_ = error == boost::asio::error::eof;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

// The hello, then (for the behaviours that get that far) the open.
bool FakeServer::Answer(tcp::socket& socket, int32_t openResult) {
  rvproto::Request request;
  if (!ReadRequest(socket, &request) || request.kind != rvproto::Kind::kHello) return false;
  rvproto::Answer answer;
  answer.kind = rvproto::Kind::kHello;
  answer.tag = request.tag;
  switch (behaviour_) {
    case Behaviour::kAnswersGarbage:
      SendBytes(socket, std::string("\x02\x00\x00\x00\x81\x01", 6));
      return false;
    case Behaviour::kOversizedFrame:
      SendBytes(socket, std::string("\x01\x20\x00\x00", 4));  // 8193 bytes announced
      return false;
    case Behaviour::kWrongTag:
      answer.tag = request.tag + 1;
      Send(socket, answer);
      return false;
    default:
      Send(socket, answer);
  }
  if (!ReadRequest(socket, &request) || request.kind != rvproto::Kind::kCall) return false;
  answer.kind = rvproto::Kind::kCall;
  answer.tag = request.tag;
  answer.call.function = request.call.function;
  answer.call.result = openResult;
  Send(socket, answer);
  return openResult != -1;
}

std::string UnusedHostName() {
  boost::asio::io_context context;
  tcp::acceptor acceptor(context, kLoopback);
  const unsigned short port = acceptor.local_endpoint().port();
  acceptor.close();
  return "127.0.0.1:" + std::to_string(port);
}

}  // namespace nettest
