// The codec alone: every message kind survives a round trip, every cut of a
// frame is refused, and what exceeds a limit is not encoded at all.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/video_library.h"
#include "frame_split.h"
#include "messages.h"
#include "wire_client.h"

namespace rvsimdtest {
namespace {

using rvproto::Answer;
using rvproto::Kind;
using rvproto::Request;

RvSimWindow FullWindow(int32_t handle) {
  RvSimWindow window;
  std::memset(&window, 0, sizeof window);
  window.handle = handle;
  window.sourceId = -1;
  std::memset(window.sourceName, 'n', sizeof window.sourceName - 1);
  std::memset(window.caption, 'c', sizeof window.caption - 1);
  window.x = -32768;
  window.zoomHeight = 32767;
  window.zOrder = INT32_MIN;
  window.colorKey = -1;
  window.hue = 255;
  window.state = RVSIM_STILL;
  return window;
}

std::vector<Request> Requests() {
  std::vector<Request> requests;
  requests.push_back(HelloRequest());
  for (int function = 0; function < kVideoFunctionCount; ++function) {
    Request call = ControlRequest(Kind::kCall);
    call.call.function = static_cast<uint8_t>(function);
    call.call.handle = -1001;
    call.call.value = INT32_MIN;
    call.call.rect[0] = -1;
    call.call.rect[3] = 32767;
    call.call.byte = 0xFE;
    call.call.hasOut = function % 2 == 0;
    call.call.hasText = function != 0;
    call.call.text = function == 0 ? "" : std::string(rvproto::kMaxCallText, 'q');
    requests.push_back(call);
  }
  for (Kind kind :
       {Kind::kWall, Kind::kTrace, Kind::kClearTrace, Kind::kClearFaults, Kind::kStats}) {
    requests.push_back(ControlRequest(kind, 0xFFFFFFFF));
  }
  Request fault = ControlRequest(Kind::kAddFault);
  fault.fault = {"*", -3, -1, 0x7FFFFFFF};
  requests.push_back(fault);
  Request configure = ControlRequest(Kind::kConfigure);
  configure.flag = true;
  configure.text = std::string(rvproto::kMaxChunkText, 'k');
  requests.push_back(configure);
  Request tracing = ControlRequest(Kind::kSetTracing);
  tracing.flag = true;
  requests.push_back(tracing);
  for (size_t i = 0; i < requests.size(); ++i)
    requests[i].tag = static_cast<uint32_t>(i * 0x01010101);
  return requests;
}

std::vector<Answer> Answers() {
  std::vector<Answer> answers;
  Answer hello;
  hello.kind = Kind::kHello;
  hello.hello.session = 77;
  hello.hello.name = "rvsimd";
  answers.push_back(hello);
  for (int function = 0; function < kVideoFunctionCount; ++function) {
    Answer call;
    call.kind = Kind::kCall;
    call.call.function = static_cast<uint8_t>(function);
    call.call.result = -1;
    call.call.count = 255;
    call.call.sourceId = 106;
    call.call.sourceName = std::string(79, 's');
    answers.push_back(call);
  }
  Answer wall;
  wall.kind = Kind::kWall;
  wall.wall.revision = UINT64_MAX;
  wall.wall.total = 1024;
  wall.wall.first = 1008;
  for (int i = 0; i < rvproto::kWallPageWindows; ++i) wall.wall.windows.push_back(FullWindow(i));
  answers.push_back(wall);
  Answer trace;
  trace.kind = Kind::kTrace;
  trace.trace = {1 << 20, 12, std::string(rvproto::kMaxChunkText, 't')};
  answers.push_back(trace);
  Answer configure;
  configure.kind = Kind::kConfigure;
  configure.configure = {true, -1, "line 2: unknown directive 'x'"};
  answers.push_back(configure);
  Answer stats;
  stats.kind = Kind::kStats;
  stats.stats = {5, 6, 7, false, 8, 9, 10};
  answers.push_back(stats);
  for (Kind kind : {Kind::kClearTrace, Kind::kAddFault, Kind::kClearFaults, Kind::kSetTracing}) {
    Answer empty;
    empty.kind = kind;
    answers.push_back(empty);
  }
  answers.push_back(rvproto::ErrorFor(3, rvproto::ErrorCode::kBusy, "connection limit reached"));
  for (size_t i = 0; i < answers.size(); ++i) answers[i].tag = static_cast<uint32_t>(~i);
  return answers;
}

// Encodes, decodes, encodes again: the same bytes, and no shorter cut decodes.
template <typename Message, typename Encode, typename Decode>
void CheckRoundTrip(const Message& message, Encode encode, Decode decode) {
  uint8_t frame[rvproto::kMaxFrame];
  const size_t size = encode(message, frame, sizeof frame);
  ASSERT_GT(size, rvproto::kFrameHeaderSize);
  size_t payload = 0;
  ASSERT_EQ(rvproto::SplitFrame(frame, size, &payload), rvproto::FrameStatus::kFrame);
  ASSERT_EQ(payload + rvproto::kFrameHeaderSize, size);
  EXPECT_EQ(rvproto::SplitFrame(frame, size - 1, &payload), rvproto::FrameStatus::kNeedMore);

  Message decoded;
  ASSERT_TRUE(
      decode(frame + rvproto::kFrameHeaderSize, size - rvproto::kFrameHeaderSize, &decoded));
  uint8_t again[rvproto::kMaxFrame];
  ASSERT_EQ(encode(decoded, again, sizeof again), size);
  EXPECT_EQ(std::memcmp(frame, again, size), 0);

  for (size_t cut = 0; cut + rvproto::kFrameHeaderSize < size; ++cut) {
    // A copy of exactly the cut length, so that a read past it is a sanitizer error.
    std::vector<uint8_t> shorter(frame + rvproto::kFrameHeaderSize,
                                 frame + rvproto::kFrameHeaderSize + cut);
    Message partial;
    EXPECT_FALSE(decode(shorter.data(), shorter.size(), &partial)) << "cut at " << cut;
  }
}

TEST(ProtocolCodec, EveryRequestSurvivesARoundTripAndNoCutDecodes) {
  for (const Request& request : Requests()) {
    SCOPED_TRACE(static_cast<int>(request.kind) * 100 + request.call.function);
    CheckRoundTrip(request, rvproto::EncodeRequest, rvproto::DecodeRequest);
  }
}

TEST(ProtocolCodec, EveryAnswerSurvivesARoundTripAndNoCutDecodes) {
  for (const Answer& answer : Answers()) {
    SCOPED_TRACE(static_cast<int>(answer.kind) * 100 + answer.call.function);
    CheckRoundTrip(answer, rvproto::EncodeAnswer, rvproto::DecodeAnswer);
  }
}

TEST(ProtocolCodec, WhatExceedsALimitIsNotEncoded) {
  uint8_t frame[rvproto::kMaxFrame];
  Request call = ControlRequest(Kind::kCall);
  call.call.function = kVideoFunctionCount;
  EXPECT_EQ(rvproto::EncodeRequest(call, frame, sizeof frame), 0u);
  call.call.function = 10;
  call.call.text = std::string(rvproto::kMaxCallText + 1, 'q');
  EXPECT_EQ(rvproto::EncodeRequest(call, frame, sizeof frame), 0u);
  call.call.text.pop_back();
  EXPECT_EQ(rvproto::EncodeRequest(call, frame, 16), 0u) << "a buffer too small";

  Answer wall;
  wall.kind = Kind::kWall;
  wall.wall.windows.assign(rvproto::kWallPageWindows + 1, FullWindow(1));
  EXPECT_EQ(rvproto::EncodeAnswer(wall, frame, sizeof frame), 0u);
  Request unknown = ControlRequest(static_cast<Kind>(0x42));
  EXPECT_EQ(rvproto::EncodeRequest(unknown, frame, sizeof frame), 0u);
}

}  // namespace
}  // namespace rvsimdtest
