#include "wire_client.h"

#include <gtest/gtest.h>

#include "frame_split.h"

namespace rvsimdtest {

namespace asio = boost::asio;
using asio::ip::tcp;
using boost::system::error_code;

WireClient::WireClient(uint16_t port) : socket_(io_) {
  error_code error;
  socket_.connect(tcp::endpoint(asio::ip::make_address("127.0.0.1"), port), error);
  connected_ = !error;
  if (connected_) socket_.set_option(tcp::no_delay(true), error);
}

bool WireClient::SendBytes(const void* data, size_t size) {
  error_code error;
  asio::write(socket_, asio::buffer(data, size), error);
  return !error;
}

bool WireClient::Send(rvproto::Request request) {
  if (request.tag == 0) request.tag = nextTag_++;
  uint8_t frame[rvproto::kMaxFrame];
  const size_t size = rvproto::EncodeRequest(request, frame, sizeof frame);
  return size > 0 && SendBytes(frame, size);
}

bool WireClient::ReadMore(std::chrono::steady_clock::time_point deadline) {
  if (closed_) return false;
  uint8_t buffer[16384];
  bool done = false;
  error_code error;
  size_t got = 0;
  socket_.async_read_some(asio::buffer(buffer), [&](const error_code& e, size_t bytes) {
    error = e;
    got = bytes;
    done = true;
  });
  io_.restart();
  io_.run_until(deadline);
  if (!done) {
    error_code ignored;
    socket_.cancel(ignored);
    io_.restart();
    io_.run();
    if (!done || error == asio::error::operation_aborted) return false;
  }
  if (error) {
    closed_ = true;
    return false;
  }
  pending_.insert(pending_.end(), buffer, buffer + got);
  return true;
}

bool WireClient::Receive(rvproto::Answer* answer, milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    size_t payload = 0;
    const rvproto::FrameStatus status =
        rvproto::SplitFrame(pending_.data(), pending_.size(), &payload);
    if (status == rvproto::FrameStatus::kTooLarge) return false;
    if (status == rvproto::FrameStatus::kFrame) {
      const bool ok =
          rvproto::DecodeAnswer(pending_.data() + rvproto::kFrameHeaderSize, payload, answer);
      pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(
                                                              rvproto::kFrameHeaderSize + payload));
      return ok;
    }
    if (!ReadMore(deadline)) return false;
  }
}

rvproto::Answer WireClient::Ask(rvproto::Request request) {
  rvproto::Answer answer;
  if (!Send(std::move(request)) || !Receive(&answer)) {
    answer = rvproto::Answer();
    answer.error.code = static_cast<rvproto::ErrorCode>(0);
  }
  return answer;
}

bool WireClient::Hello() {
  const rvproto::Answer answer = Ask(HelloRequest());
  return answer.kind == rvproto::Kind::kHello && answer.hello.version == rvproto::kVersion;
}

rvproto::CallAnswer WireClient::Call(const rvproto::CallRequest& call) {
  rvproto::Request request;
  request.kind = rvproto::Kind::kCall;
  request.call = call;
  const rvproto::Answer answer = Ask(request);
  EXPECT_EQ(answer.kind, rvproto::Kind::kCall)
      << "error " << static_cast<int>(answer.error.code) << " " << answer.error.message;
  EXPECT_EQ(answer.call.function, call.function);
  return answer.call;
}

bool WireClient::ClosedWithin(milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (ReadMore(deadline)) pending_.clear();
  return closed_;
}

rvproto::Request HelloRequest() {
  rvproto::Request request;
  request.kind = rvproto::Kind::kHello;
  request.hello.name = "rvsimd test";
  return request;
}

rvproto::Request ControlRequest(rvproto::Kind kind, uint32_t offset) {
  rvproto::Request request;
  request.kind = kind;
  request.offset = offset;
  return request;
}

rvproto::CallRequest CallOf(const char* function, int32_t handle) {
  rvproto::CallRequest call;
  const int index = rvproto::FunctionIndex(function);
  EXPECT_GE(index, 0) << function;
  call.function = static_cast<uint8_t>(index < 0 ? 0 : index);
  call.handle = handle;
  return call;
}

}  // namespace rvsimdtest
