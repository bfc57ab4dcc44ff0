#include <string>
#include <vector>

#include "video_library_api.h"

namespace simtest {
namespace {

class Tracing : public SimulatorTest {
 protected:
  void TearDown() override {
    RvSimSetTracing(1);
    SimulatorTest::TearDown();
  }
};

TEST_F(Tracing, OffKeepsNoLinesWhileCallsAreServedCountedAndFaulted) {
  RvSimSetTracing(0);
  const int32_t handle = Open();
  ASSERT_EQ(handle, 1001);
  EXPECT_EQ(api.select(handle, 101), 1);
  EXPECT_EQ(api.position(handle, 10, 20, 300, 200), 1);
  EXPECT_EQ(api.caption(handle, "CAM1 Gate"), 1);
  RvSimAddFault("NTRVMotionVideo", 1, 1, 3);
  EXPECT_EQ(api.motion(handle), 3);
  EXPECT_EQ(api.hide(77), 0);
  EXPECT_STREQ(RvSimTrace(), "");
  EXPECT_EQ(RvSimCallCount(), 6);
  EXPECT_EQ(RvSimBadHandleCalls(), 1);
  const RvSimWindow window = WindowOf(handle);
  EXPECT_EQ(window.x, 10);
  EXPECT_STREQ(window.caption, "CAM1 Gate");
  EXPECT_EQ(window.state, RVSIM_HIDDEN);  // the faulted motion did nothing
}

TEST_F(Tracing, SettingOutlivesConfigurationAndOnResumesTheTrace) {
  RvSimSetTracing(0);
  ASSERT_EQ(RvSimConfigure(nullptr), 0);
  const int32_t handle = Open();
  api.hide(handle);
  EXPECT_STREQ(RvSimTrace(), "");
  RvSimSetTracing(1);
  api.zOrder(handle, 4);
  EXPECT_EQ(TraceLines(), std::vector<std::string>{"NTRVSetZOrder(1001,4) = 1"});
  EXPECT_EQ(RvSimCallCount(), 3);
}

}  // namespace
}  // namespace simtest
