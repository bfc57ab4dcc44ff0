// Clients that misbehave: each gets a clean answer or a closed connection,
// and a well-behaved client on the same server is served throughout.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "server_run.h"
#include "wire_client.h"

namespace rvsimdtest {
namespace {

using rvproto::ErrorCode;
using rvproto::Kind;

std::string Header(uint32_t length) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(length >> (8 * i));
  return bytes;
}

std::string Frame(const std::string& payload) {
  return Header(static_cast<uint32_t>(payload.size())) + payload;
}

std::string Encoded(const rvproto::Request& request) {
  uint8_t frame[rvproto::kMaxFrame];
  const size_t size = rvproto::EncodeRequest(request, frame, sizeof frame);
  return std::string(reinterpret_cast<const char*>(frame), size);
}

std::string RandomBytes(size_t count) {
  std::mt19937 random(7);
  std::string bytes;
  for (size_t i = 0; i < count; ++i) bytes += static_cast<char>(random() & 0xFF);
  return bytes;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes += static_cast<char>(value);
  return bytes;
}

const std::string kTag = Bytes({9, 0, 0, 0});

struct BadInput {
  const char* name;
  bool greetFirst;
  std::string bytes;
  ErrorCode expected;
  bool closes;
};

std::vector<BadInput> BadInputs() {
  rvproto::Request newer = HelloRequest();
  newer.hello.lowestVersion = 2;
  newer.hello.highestVersion = 5;
  rvproto::Request open;
  open.kind = Kind::kCall;
  open.call = CallOf("NTRVOpenVideoConnection");
  open.call.text = "simulator";
  open.tag = 9;
  std::string nulInText = Encoded(open);
  nulInText[nulInText.size() - 4] = '\0';  // "simul\0tor"
  const std::string stats = Encoded(ControlRequest(Kind::kStats));
  return {
      {"random bytes", false, RandomBytes(64), ErrorCode::kTooLarge, true},
      {"frame over the limit", true, Header(4097) + std::string(4097, 'x'), ErrorCode::kTooLarge,
       true},
      {"empty frame", true, Header(0), ErrorCode::kTooLarge, true},
      {"request before the hello", false, stats, ErrorCode::kNoHello, true},
      {"second hello", true, Encoded(HelloRequest()), ErrorCode::kNoHello, true},
      {"no common version", false, Encoded(newer), ErrorCode::kVersion, true},
      {"unknown kind", true, Frame(Bytes({0x42}) + kTag), ErrorCode::kUnknownKind, false},
      {"no such function", true, Frame(Bytes({0x02}) + kTag + Bytes({99})), ErrorCode::kMalformed,
       false},
      {"call cut short", true, Frame(Bytes({0x02}) + kTag + Bytes({8, 0xe9, 3, 0, 0, 1})),
       ErrorCode::kMalformed, false},
      {"bytes left over", true, Frame(Bytes({0x09}) + kTag + Bytes({0})), ErrorCode::kMalformed,
       false},
      {"flag not 0 or 1", true, Frame(Bytes({0x0a}) + kTag + Bytes({2})), ErrorCode::kMalformed,
       false},
      {"NUL inside a text", true, nulInText, ErrorCode::kMalformed, false},
  };
}

class HostileClients : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(good.Hello());
    rvproto::CallRequest open = CallOf("NTRVOpenVideoConnection");
    open.text = "simulator";
    handle = good.Call(open).result;
    ASSERT_EQ(handle, 1001);
  }

  // The well-behaved client's window still answers.
  void GoodClientIsServed() {
    rvproto::CallRequest position = CallOf("NTRVSetVideoPosition", handle);
    position.rect[2] = static_cast<int16_t>(++calls);
    EXPECT_EQ(good.Call(position).result, 1);
  }

  ServerRun server;
  WireClient good{server.Port()};
  int32_t handle = 0;
  int calls = 0;
};

TEST_F(HostileClients, EachBadInputIsAnsweredCleanly) {
  for (const BadInput& input : BadInputs()) {
    SCOPED_TRACE(input.name);
    WireClient bad(server.Port());
    if (input.greetFirst) {
      ASSERT_TRUE(bad.Hello());
    }
    ASSERT_TRUE(bad.SendBytes(input.bytes.data(), input.bytes.size()));
    rvproto::Answer answer;
    ASSERT_TRUE(bad.Receive(&answer));
    EXPECT_EQ(answer.kind, Kind::kError);
    EXPECT_EQ(answer.error.code, input.expected) << answer.error.message;
    if (input.closes) {
      EXPECT_TRUE(bad.ClosedWithin(milliseconds(2000)));
    } else {
      EXPECT_EQ(answer.tag, 9u);
      EXPECT_EQ(bad.Ask(ControlRequest(Kind::kStats)).kind, Kind::kStats);
    }
    GoodClientIsServed();
  }
}

TEST_F(HostileClients, HalfSentFrameTimesOutAlone) {
  WireClient slow(server.Port());
  ASSERT_TRUE(slow.Hello());
  const std::string half = Header(100) + std::string(10, 'x');
  ASSERT_TRUE(slow.SendBytes(half.data(), half.size()));
  for (int i = 0; i < 20; ++i) GoodClientIsServed();
  rvproto::Answer answer;
  ASSERT_TRUE(slow.Receive(&answer));
  EXPECT_EQ(answer.error.code, ErrorCode::kTimeout);
  EXPECT_TRUE(slow.ClosedWithin(milliseconds(2000)));
  EXPECT_NE(server.Log().find("(frame left half sent)"), std::string::npos);
  GoodClientIsServed();
}

TEST_F(HostileClients, ClientThatNeverReadsIsHeldBackThenClosed) {
  for (int i = 0; i < 15; ++i) {
    rvproto::CallRequest open = CallOf("NTRVOpenVideoConnection");
    open.text = "simulator";
    ASSERT_GT(good.Call(open).result, 1001);  // a wall of 16 windows: big answers
  }
  WireClient deaf(server.Port());
  ASSERT_TRUE(deaf.Hello());
  const std::string wall = Encoded(ControlRequest(Kind::kWall));
  std::string burst;
  for (int i = 0; i < 256; ++i) burst += wall;
  boost::system::error_code error;
  deaf.Socket().non_blocking(true, error);
  size_t sent = 0;
  const size_t ceiling = size_t{256} << 20;  // far past any socket buffers
  while (sent < ceiling) {
    const size_t wrote = deaf.Socket().write_some(boost::asio::buffer(burst), error);
    if (error == boost::asio::error::would_block) break;
    ASSERT_FALSE(error) << error.message();
    sent += wrote;
  }
  EXPECT_LT(sent, ceiling) << "the server kept taking requests it could not answer";
  // Not reading for longer than the server's timeout: the server gives up.
  for (int i = 0; i < 12; ++i) {
    GoodClientIsServed();
    std::this_thread::sleep_for(milliseconds(100));
  }
  EXPECT_NE(server.Log().find("(not reading its answers)"), std::string::npos) << server.Log();
  deaf.Socket().non_blocking(false, error);
  EXPECT_TRUE(deaf.ClosedWithin(milliseconds(5000)));
  GoodClientIsServed();
}

TEST_F(HostileClients, FloodPastTheLimitIsRefusedAndCounted) {
  std::vector<std::unique_ptr<WireClient>> accepted;
  for (int i = 1; i < TestOptions().maxConnections; ++i) {
    accepted.push_back(std::make_unique<WireClient>(server.Port()));
    ASSERT_TRUE(accepted.back()->Hello());
  }
  for (int i = 0; i < 5; ++i) {
    WireClient refused(server.Port());
    rvproto::Answer answer;
    ASSERT_TRUE(refused.Receive(&answer));
    EXPECT_EQ(answer.error.code, ErrorCode::kBusy);
    EXPECT_TRUE(refused.ClosedWithin(milliseconds(2000)));
  }
  const rvproto::Answer stats = good.Ask(ControlRequest(Kind::kStats));
  EXPECT_EQ(stats.stats.refusedConnections, 5u);
  EXPECT_EQ(stats.stats.clientConnections, static_cast<uint32_t>(TestOptions().maxConnections));
  accepted.pop_back();
  bool greeted = false;  // the server notices the freed place at once, or a moment later
  for (int attempt = 0; attempt < 50 && !greeted; ++attempt) {
    WireClient next(server.Port());
    greeted = next.Hello();
  }
  EXPECT_TRUE(greeted);
  GoodClientIsServed();
}

TEST_F(HostileClients, DroppedConnectionFreesItsWindowsWithinASecond) {
  WireClient dropped(server.Port());
  ASSERT_TRUE(dropped.Hello());
  rvproto::CallRequest open = CallOf("NTRVOpenVideoConnection");
  open.text = "simulator";
  const int32_t first = dropped.Call(open).result;
  ASSERT_EQ(dropped.Call(open).result, first + 1);

  const std::vector<rvsimd::SessionInfo> sessions =
      server.OnServer([](rvsimd::Server& s) { return s.sessions(); });
  ASSERT_EQ(sessions.size(), 2u);
  EXPECT_EQ(sessions[0].handles, std::vector<int32_t>{handle});
  EXPECT_EQ(sessions[1].handles, (std::vector<int32_t>{first, first + 1}));
  EXPECT_EQ(sessions[1].lastCall, "NTRVOpenVideoConnection");
  EXPECT_EQ(sessions[1].callsServed, 3u);
  EXPECT_EQ(sessions[1].peer.rfind("127.0.0.1:", 0), 0u);

  // Another connection cannot reach these windows.
  EXPECT_EQ(good.Call(CallOf("NTRVHideVideo", first)).result, 0);

  boost::system::error_code ignored;
  dropped.Socket().close(ignored);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  int open_windows = -1;
  while (std::chrono::steady_clock::now() < deadline) {
    open_windows = good.Ask(ControlRequest(Kind::kStats)).stats.openWindows;
    if (open_windows == 1) break;
  }
  EXPECT_EQ(open_windows, 1);
  GoodClientIsServed();
}

}  // namespace
}  // namespace rvsimdtest
