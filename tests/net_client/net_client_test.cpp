// The network mode's failures: every way a server can fail an open gives -1,
// a connection that fails later answers 0 from then on without waiting
// again, and the controls aimed at a server that does not answer give their
// failure values. Timeouts are 300 ms here (CMakeLists.txt).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_server.h"
#include "rvsim.h"
#include "video_library_api.h"

namespace nettest {
namespace {

constexpr int32_t kFirstNetworkHandle = 0x40000001;

const simtest::VideoLibraryApi& api = simtest::Api();

TEST(NetworkOpen, EveryFailingServerGivesMinusOne) {
  const std::vector<std::pair<const char*, Behaviour>> cases = {
      {"never accepts", Behaviour::kNeverAccepts},
      {"closes at once", Behaviour::kClosesAtOnce},
      {"answers garbage", Behaviour::kAnswersGarbage},
      {"oversized frame", Behaviour::kOversizedFrame},
      {"wrong tag", Behaviour::kWrongTag},
      {"refuses the open", Behaviour::kRefusesOpen},
  };
  for (const auto& [name, behaviour] : cases) {
    FakeServer server(behaviour);
    EXPECT_EQ(api.open(server.HostName().c_str()), -1) << name;
  }
  EXPECT_EQ(api.open(UnusedHostName().c_str()), -1) << "nothing listening";
  EXPECT_EQ(RvSimOpenConnections(), 0) << "nothing reached the in-process server";
}

// After a call the server leaves unanswered (or a connection it closes),
// the handle answers 0 at once, its close answers 0 and forgets it, and the
// in-process server never saw any of it.
TEST(NetworkCalls, AFailedConnectionStaysFailedUntilClosed) {
  RvSimConfigure(nullptr);
  for (Behaviour behaviour : {Behaviour::kSilentAfterOpen, Behaviour::kClosesAfterOpen}) {
    FakeServer server(behaviour);
    const int32_t handle = api.open(server.HostName().c_str());
    ASSERT_GE(handle, kFirstNetworkHandle);
    uint8_t count = 77;
    EXPECT_EQ(api.numSources(handle, &count), 0);
    EXPECT_EQ(count, 77) << "no answer, nothing written";
    if (behaviour == Behaviour::kSilentAfterOpen) {
      EXPECT_TRUE(server.ClientClosed()) << "the connection is dropped after the timeout";
    }
    EXPECT_EQ(api.hide(handle), 0);
    EXPECT_EQ(api.caption(handle, "late"), 0);
    EXPECT_EQ(api.close(handle), 0);
    EXPECT_EQ(RvSimBadHandleCalls(), 0);
    EXPECT_EQ(api.hide(handle), 0) << "a forgotten handle is nobody's";
    EXPECT_EQ(RvSimBadHandleCalls(), 1) << "and counts as bad where unknown handles go";
    RvSimConfigure(nullptr);
  }
}

TEST(NetworkSwitch, OffKeepsEveryNameInTheProcess) {
  RvSimConfigure(nullptr);
  FakeServer server(Behaviour::kSilentAfterOpen);
  RvSimSetNetwork(0);
  EXPECT_EQ(api.open(server.HostName().c_str()), -1);
  EXPECT_EQ(RvSimUseServer(server.HostName().c_str()), 0);
  RvSimSetNetwork(1);
  EXPECT_EQ(RvSimTrace(), "NTRVOpenVideoConnection(\"" + server.HostName() + "\") = -1\n")
      << "the in-process server refused the name";
  EXPECT_FALSE(server.ClientClosed()) << "no connection was ever made";
}

TEST(NetworkControls, AServerThatDoesNotAnswerFailsEveryControl) {
  FakeServer server(Behaviour::kNeverAccepts);
  ASSERT_EQ(RvSimUseServer(server.HostName().c_str()), -1);
  EXPECT_EQ(RvSimServerName(), server.HostName());
  EXPECT_EQ(RvSimConfigure(nullptr), -1);
  EXPECT_NE(std::string(RvSimConfigError()).find("does not answer"), std::string::npos);
  EXPECT_EQ(RvSimCallCount(), -1);
  EXPECT_EQ(RvSimOpenConnections(), -1);
  EXPECT_EQ(RvSimWall(nullptr, 0), -1);
  EXPECT_STREQ(RvSimTrace(), "");

  EXPECT_EQ(RvSimUseServer(nullptr), 0);
  EXPECT_STREQ(RvSimServerName(), "");
  EXPECT_EQ(RvSimConfigure(nullptr), 0);
  EXPECT_EQ(RvSimCallCount(), 0);
  EXPECT_EQ(RvSimUseServer("simulator"), 0) << "an in-process name";
}

}  // namespace
}  // namespace nettest
