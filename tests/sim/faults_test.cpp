#include <algorithm>
#include <thread>
#include <vector>

#include "video_library_api.h"

namespace simtest {
namespace {

using Faults = SimulatorTest;

TEST_F(Faults, OnceAlwaysAndFromTheNthCall) {
  const int32_t handle = Open();
  RvSimAddFault("NTRVHideVideo", 1, 1, 0);
  RvSimAddFault("NTRVSetHue", 1, -1, 2);
  RvSimAddFault("NTRVSetZOrder", 3, -1, 0);
  EXPECT_EQ(api.hide(handle), 0);
  EXPECT_EQ(api.hide(handle), 1);
  EXPECT_EQ(api.hide(handle), 1);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(api.hue(handle, 9), 2) << i;
  EXPECT_EQ(WindowOf(handle).hue, 0);
  EXPECT_EQ(api.zOrder(handle, 1), 1);
  EXPECT_EQ(api.zOrder(handle, 2), 1);
  EXPECT_EQ(api.zOrder(handle, 3), 0);
  EXPECT_EQ(api.zOrder(handle, 4), 0);
  EXPECT_EQ(WindowOf(handle).zOrder, 2);
}

TEST_F(Faults, CallsAreCountedFromWhenTheRuleIsAdded) {
  const int32_t handle = Open();
  EXPECT_EQ(api.contrast(handle, 1), 1);
  EXPECT_EQ(api.contrast(handle, 2), 1);
  RvSimAddFault("NTRVSetContrast", 2, 2, 0);
  EXPECT_EQ(api.contrast(handle, 3), 1);
  EXPECT_EQ(api.contrast(handle, 4), 0);
  EXPECT_EQ(api.contrast(handle, 5), 0);
  EXPECT_EQ(api.contrast(handle, 6), 1);
  EXPECT_EQ(WindowOf(handle).contrast, 6);
}

TEST_F(Faults, StarCountsEveryFunctionAndFirstMatchingRuleWins) {
  const int32_t handle = Open();  // before the rules: not counted
  RvSimAddFault("*", 2, 1, 5);
  RvSimAddFault("NTRVMotionVideo", 1, -1, 0);
  RvSimAddFault("NTRVSelectVideoSource", 1, -1, 9);
  EXPECT_EQ(api.colorKey(handle, 1), 1);  // any call 1
  EXPECT_EQ(api.select(handle, 101), 5);  // any call 2: the star rule stands first
  EXPECT_EQ(api.select(handle, 101), 9);  // its own rule
  EXPECT_EQ(api.motion(handle), 0);
  RvSimClearFaults();
  EXPECT_EQ(api.select(handle, 102), 1);
  EXPECT_EQ(api.motion(handle), 1);
}

TEST_F(Faults, FaultedCallChangesNothing) {
  RvSimAddFault("NTRVOpenVideoConnection", 1, 1, -1);
  EXPECT_EQ(Open(), -1);
  EXPECT_EQ(RvSimOpenConnections(), 0);
  const int32_t handle = Open();
  ASSERT_NE(handle, -1);

  RvSimAddFault("NTRVCloseVideoConnection", 1, 1, 0);
  EXPECT_EQ(api.close(handle), 0);
  EXPECT_EQ(RvSimOpenConnections(), 1);

  RvSimAddFault("NTRVGetNumVideoSources", 1, 1, 0);
  RvSimAddFault("NTRVGetVideoSourceInfo", 1, 1, 0);
  uint8_t count = 42;
  VideoSourceInfo info{};
  EXPECT_EQ(api.numSources(handle, &count), 0);
  EXPECT_EQ(count, 42);
  EXPECT_EQ(api.sourceInfo(handle, 0, &info), 0);
  EXPECT_EQ(info.id, 0);

  ASSERT_EQ(api.select(handle, 101), 1);
  RvSimAddFault("NTRVSelectVideoSource", 1, 1, 0);
  RvSimAddFault("NTRVMotionVideo", 1, 1, 0);
  RvSimAddFault("NTRVSetVideoCaption", 1, 1, 0);
  EXPECT_EQ(api.select(handle, 102), 0);
  EXPECT_EQ(api.motion(handle), 0);
  EXPECT_EQ(api.caption(handle, "new"), 0);
  const RvSimWindow window = WindowOf(handle);
  EXPECT_EQ(window.sourceId, 101);
  EXPECT_EQ(window.state, RVSIM_HIDDEN);
  EXPECT_STREQ(window.caption, "");
}

TEST_F(Faults, FaultedCallOnABadHandleIsStillCountedAsBad) {
  RvSimAddFault("NTRVHideVideo", 1, -1, 1);
  EXPECT_EQ(api.hide(4242), 1);
  EXPECT_EQ(RvSimBadHandleCalls(), 1);
}

TEST_F(Faults, ConfigurationCanCarryFaults) {
  ASSERT_EQ(RvSimConfigure("fault NTRVOpenVideoConnection 3 1 -1\n"
                           "fault * 1 -1 1\n"),
            0)
      << RvSimConfigError();
  EXPECT_NE(Open(), -1);
  EXPECT_NE(Open(), -1);
  EXPECT_EQ(Open(), -1);
  EXPECT_EQ(api.motion(999), 1);  // the star rule answers 1 even here
  RvSimAddFault("NTRVMotionVideo", 1, 1, 0);
  EXPECT_EQ(api.motion(999), 1);  // the earlier rule still comes first
}

TEST_F(Faults, RandomShareFailsAboutThatShareAndRepeatsAfterClearing) {
  const int32_t handle = Open();
  const auto answers = [&] {
    std::vector<int32_t> seen;
    seen.reserve(10000);
    for (int i = 0; i < 10000; ++i) seen.push_back(api.hue(handle, 1));
    return seen;
  };
  RvSimAddRandomFault("NTRVSetHue", 100000, 7);
  RvSimAddRandomFault("NTRVSetContrast", 1000000, 0);
  const std::vector<int32_t> first = answers();
  const auto failed = std::count(first.begin(), first.end(), 7);
  EXPECT_EQ(std::count(first.begin(), first.end(), 1) + failed, 10000);
  EXPECT_GT(failed, 800);
  EXPECT_LT(failed, 1200);
  EXPECT_EQ(api.contrast(handle, 1), 0);  // its own rule, every call
  RvSimClearFaults();
  EXPECT_EQ(api.contrast(handle, 1), 1);
  RvSimAddRandomFault("NTRVSetHue", 100000, 7);
  EXPECT_EQ(answers(), first);
}

TEST_F(Faults, ThreadCountsOnlyItsOwnCalls) {
  const int32_t handle = Open();
  const int mine = RvSimThreadCallCount();
  const int all = RvSimCallCount();
  std::thread other([&] {
    for (int i = 0; i < 5; ++i) api.hue(handle, 1);
  });
  other.join();
  api.hue(handle, 2);
  EXPECT_EQ(RvSimThreadCallCount(), mine + 1);
  EXPECT_EQ(RvSimCallCount(), all + 6);
}

}  // namespace
}  // namespace simtest
