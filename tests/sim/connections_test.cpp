#include <set>

#include "video_library_api.h"

namespace simtest {
namespace {

using Connections = SimulatorTest;

TEST_F(Connections, AcceptedHostsGiveDistinctUsableHandles) {
  std::set<int32_t> handles;
  for (const char* host : {"simulator", "localhost", "SIMULATOR", "LocalHost"}) {
    const int32_t handle = api.open(host);
    EXPECT_NE(handle, -1) << host;
    EXPECT_NE(handle, 0) << host;
    handles.insert(handle);
  }
  EXPECT_EQ(handles.size(), 4u);
  EXPECT_EQ(RvSimOpenConnections(), 4);
  EXPECT_EQ(RvSimBadHandleCalls(), 0);
}

TEST_F(Connections, UnknownOrMissingHostIsRefused) {
  EXPECT_EQ(api.open("simulator2"), -1);
  EXPECT_EQ(api.open(""), -1);
  EXPECT_EQ(api.open(nullptr), -1);
  EXPECT_EQ(RvSimOpenConnections(), 0);
}

TEST_F(Connections, SixteenAtOnceThenRefusedUntilOneCloses) {
  int32_t first = -1;
  for (int i = 0; i < 16; ++i) {
    const int32_t handle = Open();
    ASSERT_NE(handle, -1) << i;
    if (i == 0) first = handle;
  }
  EXPECT_EQ(Open(), -1);
  EXPECT_EQ(api.close(first), 1);
  EXPECT_NE(Open(), -1);
  EXPECT_EQ(RvSimOpenConnections(), 16);
}

TEST_F(Connections, ClosedHandleIsDeadAndNeverHandedOutAgain) {
  const int32_t handle = Open();
  ASSERT_EQ(api.close(handle), 1);
  EXPECT_EQ(RvSimOpenConnections(), 0);
  EXPECT_EQ(api.close(handle), 0);
  EXPECT_NE(api.motion(handle), 1);
  EXPECT_EQ(RvSimBadHandleCalls(), 2);
  for (int i = 0; i < 20; ++i) {
    const int32_t again = Open();
    EXPECT_NE(again, handle);
    api.close(again);
  }
}

TEST_F(Connections, EveryCallOnAnUnknownHandleFailsAndIsCounted) {
  const int32_t live = Open();
  const int32_t bad = live + 1000;
  uint8_t count = 77;
  VideoSourceInfo info{};
  EXPECT_EQ(api.close(0), 0);
  EXPECT_NE(api.numSources(bad, &count), 1);
  EXPECT_EQ(count, 77);
  EXPECT_NE(api.sourceInfo(bad, 0, &info), 1);
  EXPECT_EQ(info.id, 0);
  EXPECT_NE(api.select(bad, 101), 1);
  EXPECT_NE(api.motion(-1), 1);
  EXPECT_NE(api.still(bad), 1);
  EXPECT_NE(api.hide(bad), 1);
  EXPECT_NE(api.position(bad, 0, 0, 640, 480), 1);
  EXPECT_NE(api.zOrder(bad, 1), 1);
  EXPECT_NE(api.caption(bad, "x"), 1);
  EXPECT_NE(api.zoom(bad, 0, 0, 10, 10), 1);
  EXPECT_NE(api.brightness(bad, 1), 1);
  EXPECT_NE(api.contrast(bad, 1), 1);
  EXPECT_NE(api.saturation(bad, 1), 1);
  EXPECT_NE(api.hue(bad, 1), 1);
  EXPECT_NE(api.colorKey(bad, 1), 1);
  EXPECT_NE(api.insertionMode(bad, 1), 1);
  EXPECT_EQ(RvSimBadHandleCalls(), 17);
  EXPECT_EQ(RvSimCallCount(), 18);
  EXPECT_EQ(WindowOf(live).state, RVSIM_HIDDEN);
}

TEST_F(Connections, ReconfiguringDropsConnectionsAndCounters) {
  const int32_t handle = Open();
  api.close(handle + 1);
  ASSERT_EQ(RvSimConfigure(nullptr), 0);
  EXPECT_EQ(RvSimOpenConnections(), 0);
  EXPECT_EQ(RvSimCallCount(), 0);
  EXPECT_EQ(RvSimBadHandleCalls(), 0);
  EXPECT_STREQ(RvSimTrace(), "");
  EXPECT_EQ(api.hide(handle), 0);
}

}  // namespace
}  // namespace simtest
