// The network server's request handling without sockets: the input is a
// stream of frames (after one byte saying whether the hello was already
// made) as a client would send them. Every answer must fit a frame and decode
// again, and a connection's end must leave none of its windows behind.
#include <cstdint>
#include <cstdlib>

#include "frame_split.h"
#include "messages.h"
#include "ntrv_calls.h"
#include "request_handler.h"
#include "sim_controls.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static rvsim::Simulator* const sim = new rvsim::Simulator;
  if (size == 0) return 0;
  {
    std::lock_guard<std::mutex> lock(sim->mutex);
    rvsim::Configure(*sim, nullptr);
  }
  rvsimd::SessionState session;
  session.id = 7;
  session.greeted = (data[0] & 1) != 0;
  const rvsimd::ServerCounters counters{1, 0};
  size_t offset = 1;
  while (offset < size) {
    size_t payload = 0;
    if (rvproto::SplitFrame(data + offset, size - offset, &payload) !=
        rvproto::FrameStatus::kFrame) {
      break;
    }
    const uint8_t* body = data + offset + rvproto::kFrameHeaderSize;
    rvproto::Answer stray;
    (void)rvproto::DecodeAnswer(body, payload, &stray);  // a client reading the same bytes

    rvproto::Answer answer;
    const rvsimd::Outcome outcome =
        rvsimd::HandleRequest(*sim, session, counters, body, payload, &answer);
    uint8_t frame[rvproto::kMaxFrame];
    const size_t written = rvproto::EncodeAnswer(answer, frame, sizeof frame);
    if (written <= rvproto::kFrameHeaderSize) std::abort();
    rvproto::Answer decoded;
    if (!rvproto::DecodeAnswer(frame + rvproto::kFrameHeaderSize,
                               written - rvproto::kFrameHeaderSize, &decoded) ||
        decoded.tag != answer.tag || decoded.kind != answer.kind) {
      std::abort();
    }
    offset += rvproto::kFrameHeaderSize + payload;
    if (outcome == rvsimd::Outcome::kClose) break;
  }
  rvsim::CloseOwner(*sim, session.id);
  if (rvsim::Stats(*sim).openWindows != 0) std::abort();
  return 0;
}
