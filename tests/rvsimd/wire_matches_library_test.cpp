// One list of library calls, run against the in-process library and against
// the network server: every result, output, trace line and window must match.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "rvideo-sim/rvsim.h"
#include "server_run.h"
#include "sim/video_library_api.h"
#include "wire_client.h"
#include "wire_reads.h"

namespace rvsimdtest {
namespace {

using rvproto::CallAnswer;
using rvproto::CallRequest;

CallRequest With(const char* function, int32_t handle, void (*fill)(CallRequest&) = nullptr) {
  CallRequest call = CallOf(function, handle);
  if (fill != nullptr) fill(call);
  return call;
}

CallRequest OpenOf(const char* host) {
  CallRequest call = CallOf("NTRVOpenVideoConnection");
  call.hasText = host != nullptr;
  call.text = host == nullptr ? "" : host;
  return call;
}

std::vector<CallRequest> Scenario() {
  const std::string longCaption(100, 'c');
  CallRequest tooLong = CallOf("NTRVSetVideoCaption", 1001);
  tooLong.text = longCaption;
  return {
      OpenOf("simulator"),
      OpenOf("LocalHost"),
      OpenOf("elsewhere"),
      OpenOf(nullptr),
      With("NTRVGetNumVideoSources", 1001),
      With("NTRVGetNumVideoSources", 1001, [](CallRequest& c) { c.hasOut = false; }),
      With("NTRVGetVideoSourceInfo", 1001, [](CallRequest& c) { c.byte = 2; }),
      With("NTRVGetVideoSourceInfo", 1001, [](CallRequest& c) { c.byte = 6; }),
      With("NTRVGetVideoSourceInfo", 1001, [](CallRequest& c) { c.hasOut = false; }),
      With("NTRVMotionVideo", 1001),
      With("NTRVStillVideo", 1001),
      With("NTRVSelectVideoSource", 1001, [](CallRequest& c) { c.value = 999; }),
      With("NTRVSelectVideoSource", 1001, [](CallRequest& c) { c.value = 104; }),
      With("NTRVMotionVideo", 1001),
      With("NTRVStillVideo", 1001),
      With("NTRVSetVideoPosition", 1001,
           [](CallRequest& c) { c.rect[0] = -5, c.rect[1] = 7, c.rect[2] = 320, c.rect[3] = 240; }),
      With("NTRVSetZoom", 1002,
           [](CallRequest& c) { c.rect[0] = 1, c.rect[1] = 2, c.rect[2] = -3, c.rect[3] = 32767; }),
      With("NTRVSetZOrder", 1002, [](CallRequest& c) { c.value = -70000; }),
      With("NTRVSetVideoCaption", 1002, [](CallRequest& c) { c.text = "CAM4 \"Gate\"\t2"; }),
      With("NTRVSetVideoCaption", 1002, [](CallRequest& c) { c.hasText = false; }),
      tooLong,
      With("NTRVSetBrightness", 1001, [](CallRequest& c) { c.byte = 0; }),
      With("NTRVSetContrast", 1001, [](CallRequest& c) { c.byte = 255; }),
      With("NTRVSetSaturation", 1002, [](CallRequest& c) { c.byte = 9; }),
      With("NTRVSetHue", 1002, [](CallRequest& c) { c.byte = 200; }),
      With("NTRVColorKey", 1002, [](CallRequest& c) { c.value = 0x7F00FF; }),
      With("NTRVInsertionMode", 1001, [](CallRequest& c) { c.byte = 3; }),
      With("NTRVHideVideo", 1001),
      With("NTRVStillVideo", 1001),
      With("NTRVCloseVideoConnection", 1001),
      With("NTRVCloseVideoConnection", 1001),
      With("NTRVHideVideo", 1001),
      With("NTRVHideVideo", 0),
      With("NTRVHideVideo", -1),
  };
}

// The in-process library through its exports, bound by name as the driver binds them.
CallAnswer CallLocally(const CallRequest& c) {
  const simtest::VideoLibraryApi& api = simtest::Api();
  CallAnswer answer;
  answer.function = c.function;
  const char* text = c.hasText ? c.text.c_str() : nullptr;
  const int32_t h = c.handle;
  VideoSourceInfo info{};
  switch (c.function) {
    case 0:
      answer.result = api.open(text);
      break;
    case 1:
      answer.result = api.close(h);
      break;
    case 2:
      answer.result = api.numSources(h, c.hasOut ? &answer.count : nullptr);
      break;
    case 3:
      answer.result = api.sourceInfo(h, c.byte, c.hasOut ? &info : nullptr);
      answer.sourceId = info.id;
      answer.sourceName = info.name;
      break;
    case 4:
      answer.result = api.select(h, c.value);
      break;
    case 5:
      answer.result = api.motion(h);
      break;
    case 6:
      answer.result = api.still(h);
      break;
    case 7:
      answer.result = api.hide(h);
      break;
    case 8:
      answer.result = api.position(h, c.rect[0], c.rect[1], c.rect[2], c.rect[3]);
      break;
    case 9:
      answer.result = api.zOrder(h, c.value);
      break;
    case 10:
      answer.result = api.caption(h, text);
      break;
    case 11:
      answer.result = api.zoom(h, c.rect[0], c.rect[1], c.rect[2], c.rect[3]);
      break;
    case 12:
      answer.result = api.brightness(h, c.byte);
      break;
    case 13:
      answer.result = api.contrast(h, c.byte);
      break;
    case 14:
      answer.result = api.saturation(h, c.byte);
      break;
    case 15:
      answer.result = api.hue(h, c.byte);
      break;
    case 16:
      answer.result = api.colorKey(h, c.value);
      break;
    default:
      answer.result = api.insertionMode(h, c.byte);
      break;
  }
  return answer;
}

std::string DescribeAnswer(const CallAnswer& a) {
  return std::string(kVideoFunctionNames[a.function]) + " = " + std::to_string(a.result) +
         " count " + std::to_string(a.count) + " source " + std::to_string(a.sourceId) + " '" +
         a.sourceName + "'";
}

TEST(WireMatchesLibrary, SameCallsGiveSameResultsTraceAndWall) {
  ASSERT_EQ(RvSimConfigure(nullptr), 0);
  ServerRun server;
  WireClient client(server.Port());
  ASSERT_TRUE(client.Hello());

  std::vector<std::string> local;
  std::vector<std::string> wire;
  for (const CallRequest& call : Scenario()) {
    local.push_back(DescribeAnswer(CallLocally(call)));
    wire.push_back(DescribeAnswer(client.Call(call)));
  }
  EXPECT_EQ(wire, local);

  EXPECT_EQ(ReadTrace(client), std::string(RvSimTrace()));

  std::vector<RvSimWindow> localWall(4);
  localWall.resize(static_cast<size_t>(RvSimWall(localWall.data(), 4)));
  const std::vector<RvSimWindow> wireWall = ReadWall(client);
  std::vector<std::string> local_windows(localWall.size());
  std::transform(localWall.begin(), localWall.end(), local_windows.begin(), Describe);
  std::vector<std::string> wire_windows(wireWall.size());
  std::transform(wireWall.begin(), wireWall.end(), wire_windows.begin(), Describe);
  EXPECT_EQ(wire_windows.size(), 1u);
  EXPECT_EQ(wire_windows, local_windows);

  const rvproto::Answer stats = client.Ask(ControlRequest(rvproto::Kind::kStats));
  EXPECT_EQ(stats.stats.badHandleCalls, RvSimBadHandleCalls());
  EXPECT_EQ(stats.stats.callCount, RvSimCallCount());
  RvSimConfigure(nullptr);
}

}  // namespace
}  // namespace rvsimdtest
