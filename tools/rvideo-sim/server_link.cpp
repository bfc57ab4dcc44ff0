#include "server_link.h"

#include "frame_split.h"
#include "protocol.h"
#include "server_route.h"

namespace rvsim {
namespace {

constexpr char kClientName[] = "rvideo library";

}  // namespace

bool ServerLink::Connect(const std::string& host, uint16_t port) {
  Close();
  const Deadline deadline = DeadlineIn(Settings().connectTimeoutMs);
  socket_ = ConnectSocket(host.c_str(), port, deadline);
  if (socket_ == kNoSocket) return false;
  rvproto::Request hello;
  hello.kind = rvproto::Kind::kHello;
  hello.hello.name = kClientName;
  rvproto::Answer answer;
  return ExchangeBefore(hello, &answer, deadline) && answer.hello.version == rvproto::kVersion;
}

bool ServerLink::Exchange(rvproto::Request& request, rvproto::Answer* answer) {
  if (!IsOpen()) return false;
  return ExchangeBefore(request, answer, DeadlineIn(Settings().callTimeoutMs));
}

bool ServerLink::ExchangeBefore(rvproto::Request& request, rvproto::Answer* answer,
                                Deadline deadline) {
  request.tag = nextTag_++;
  uint8_t frame[rvproto::kMaxFrame];
  const size_t size = rvproto::EncodeRequest(request, frame, sizeof frame);
  const bool answered = size > 0 && SendAll(socket_, frame, size, deadline) &&
                        ReceiveAnswer(answer, deadline) && answer->tag == request.tag &&
                        answer->kind == request.kind;
  if (!answered) Close();
  return answered;
}

// One answer is awaited at a time, so the bytes that arrive are its frame
// and nothing after it.
bool ServerLink::ReceiveAnswer(rvproto::Answer* answer, Deadline deadline) {
  uint8_t frame[rvproto::kMaxFrame];
  size_t have = 0;
  size_t payload = 0;
  for (;;) {
    const rvproto::FrameStatus status = rvproto::SplitFrame(frame, have, &payload);
    if (status == rvproto::FrameStatus::kTooLarge) return false;
    if (status == rvproto::FrameStatus::kFrame) break;
    const size_t got = ReceiveSome(socket_, frame + have, sizeof frame - have, deadline);
    if (got == 0) return false;
    have += got;
  }
  if (have != rvproto::kFrameHeaderSize + payload) return false;
  return rvproto::DecodeAnswer(frame + rvproto::kFrameHeaderSize, payload, answer);
}

void ServerLink::Close() {
  CloseSocket(socket_);
  socket_ = kNoSocket;
}

}  // namespace rvsim
