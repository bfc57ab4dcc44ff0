#include "client_connection.h"

#include <cstring>
#include <utility>

#include "frame_split.h"
#include "ntrv_calls.h"
#include "sim_controls.h"

namespace rvsimd {

namespace asio = boost::asio;
using asio::ip::tcp;
using boost::system::error_code;

void SendNow(tcp::socket& socket, const rvproto::Answer& answer) {
  uint8_t frame[rvproto::kMaxFrame];
  const size_t size = rvproto::EncodeAnswer(answer, frame, sizeof frame);
  error_code error;
  socket.non_blocking(true, error);
  if (size > 0 && !error) socket.write_some(asio::buffer(frame, size), error);
}

ClientConnection::ClientConnection(tcp::socket socket, uint32_t id, ConnectionContext context)
    : socket_(std::move(socket)), context_(std::move(context)) {
  session_.id = id;
  error_code error;
  const tcp::endpoint peer = socket_.remote_endpoint(error);
  peer_ = error ? std::string("?") : peer.address().to_string() + ":" + std::to_string(peer.port());
  socket_.set_option(tcp::no_delay(true), error);
  socket_.non_blocking(true, error);  // answers are written at once when the socket takes them
  output_.reserve(2 * rvproto::kMaxFrame);
}

void ClientConnection::Start() {
  *context_.log << "rvsimd: connection " << session_.id << " from " << peer_ << std::endl;
  Read();
}

void ClientConnection::Read() {
  if (finished_ || reading_ || writing_) return;
  reading_ = true;
  auto self = shared_from_this();
  socket_.async_read_some(
      asio::buffer(input_.data() + inputSize_, input_.size() - inputSize_),
      [self](const error_code& error, size_t bytes) { self->OnRead(error, bytes); });
}

void ClientConnection::OnRead(const error_code& error, size_t bytes) {
  reading_ = false;
  if (finished_) return;
  if (error) {
    Finish(error == asio::error::eof ? "closed by the client" : error.message());
    return;
  }
  inputSize_ += bytes;
  Pump();
}

void ClientConnection::AnswerFrames() {
  size_t offset = 0;
  bool consumed = false;
  while (!closeAfterWrite_ && output_.size() < kOutputBudget) {
    size_t payload = 0;
    const rvproto::FrameStatus status =
        rvproto::SplitFrame(input_.data() + offset, inputSize_ - offset, &payload);
    if (status == rvproto::FrameStatus::kNeedMore) break;
    if (status == rvproto::FrameStatus::kTooLarge) {
      Answer(rvproto::ErrorFor(0, rvproto::ErrorCode::kTooLarge, "frame length 0 or over 4096"));
      closeAfterWrite_ = true;
      break;
    }
    rvproto::Answer answer;
    const Outcome outcome =
        HandleRequest(*context_.sim, session_, context_.counters(),
                      input_.data() + offset + rvproto::kFrameHeaderSize, payload, &answer);
    Answer(answer);
    offset += rvproto::kFrameHeaderSize + payload;
    consumed = true;
    if (outcome == Outcome::kClose) closeAfterWrite_ = true;
  }
  if (closeAfterWrite_) offset = inputSize_;
  std::memmove(input_.data(), input_.data() + offset, inputSize_ - offset);
  inputSize_ -= offset;
  if (inputSize_ == 0) {
    partialSince_ = Clock::time_point{};
  } else if (consumed || partialSince_ == Clock::time_point{}) {
    partialSince_ = Clock::now();
  }
}

void ClientConnection::Pump() {
  for (;;) {
    AnswerFrames();
    if (output_.empty()) {
      backedUpSince_ = Clock::time_point{};
      Read();
      return;
    }
    if (!WriteNow()) return;
    if (closeAfterWrite_) {
      Finish("closed after a protocol error");
      return;
    }
  }
}

void ClientConnection::Answer(const rvproto::Answer& answer) {
  uint8_t frame[rvproto::kMaxFrame];
  size_t size = rvproto::EncodeAnswer(answer, frame, sizeof frame);
  if (size == 0) {
    const rvproto::Answer failure =
        rvproto::ErrorFor(answer.tag, rvproto::ErrorCode::kMalformed, "answer out of limits");
    size = rvproto::EncodeAnswer(failure, frame, sizeof frame);
  }
  output_.insert(output_.end(), frame, frame + size);
}

bool ClientConnection::WriteNow() {
  error_code error;
  const size_t wrote = socket_.write_some(asio::buffer(output_), error);
  if (error && error != asio::error::would_block && error != asio::error::try_again) {
    Finish("cannot write: " + error.message());
    return false;
  }
  if (!error && wrote == output_.size()) {
    output_.clear();
    backedUpSince_ = Clock::time_point{};
    return true;
  }
  // The client's side holds the rest back: wait for it to take it.
  output_.erase(output_.begin(), output_.begin() + static_cast<std::ptrdiff_t>(error ? 0 : wrote));
  if (backedUpSince_ == Clock::time_point{}) backedUpSince_ = Clock::now();
  writing_ = true;
  auto self = shared_from_this();
  asio::async_write(socket_, asio::buffer(output_),
                    [self](const error_code& failure, size_t) { self->OnWritten(failure); });
  return false;
}

void ClientConnection::OnWritten(const error_code& error) {
  writing_ = false;
  if (finished_) return;
  if (error) {
    Finish("cannot write: " + error.message());
    return;
  }
  output_.clear();
  if (closeAfterWrite_) {
    Finish("closed after a protocol error");
    return;
  }
  Pump();
}

void ClientConnection::CheckStall(Clock::time_point now, Clock::duration timeout) {
  if (finished_) return;
  if (writing_ && now - backedUpSince_ > timeout) {
    Finish("not reading its answers");
  } else if (!writing_ && inputSize_ > 0 && now - partialSince_ > timeout) {
    SendNow(socket_, rvproto::ErrorFor(0, rvproto::ErrorCode::kTimeout, "frame left half sent"));
    Finish("frame left half sent");
  }
}

void ClientConnection::Finish(const std::string& reason) {
  if (finished_) return;
  finished_ = true;
  error_code ignored;
  socket_.shutdown(tcp::socket::shutdown_both, ignored);
  socket_.close(ignored);
  const int freed = rvsim::CloseOwner(*context_.sim, session_.id);
  *context_.log << "rvsimd: connection " << session_.id << " ended (" << reason << "), "
                << session_.callsServed << " requests, " << freed << " windows freed" << std::endl;
  context_.finished(session_.id);
}

SessionInfo ClientConnection::Info() const {
  SessionInfo info;
  info.id = session_.id;
  info.peer = peer_;
  info.handles = rvsim::HandlesOf(*context_.sim, session_.id);
  info.lastCall = session_.lastCall;
  info.callsServed = session_.callsServed;
  return info;
}

}  // namespace rvsimd
