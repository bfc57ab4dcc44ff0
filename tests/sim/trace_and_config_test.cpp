#include <string>
#include <vector>

#include "video_library_api.h"

namespace simtest {
namespace {

using Trace = SimulatorTest;

TEST_F(Trace, OneLinePerCallWithArgumentsAndResult) {
  const int32_t handle = Open();
  ASSERT_EQ(handle, 1001);  // the first handle of a configuration
  uint8_t count = 0;
  VideoSourceInfo info{};
  api.numSources(handle, &count);
  api.sourceInfo(handle, 5, &info);
  api.position(handle, 100, 50, 320, -240);
  api.caption(handle, "CAM1 \"Gate\"\n");
  api.brightness(handle, 200);
  RvSimAddFault("NTRVMotionVideo", 1, 1, 3);
  api.motion(handle);
  api.hide(77);
  api.open(nullptr);
  const std::vector<std::string> expected = {
      "NTRVOpenVideoConnection(\"simulator\") = 1001",
      "NTRVGetNumVideoSources(1001) = 1",
      "NTRVGetVideoSourceInfo(1001,5) = 1",
      "NTRVSetVideoPosition(1001,100,50,320,-240) = 1",
      "NTRVSetVideoCaption(1001,\"CAM1 ?Gate??\") = 1",
      "NTRVSetBrightness(1001,200) = 1",
      "NTRVMotionVideo(1001) = 3",
      "NTRVHideVideo(77) = 0",
      "NTRVOpenVideoConnection(null) = -1",
  };
  EXPECT_EQ(TraceLines(), expected);
  EXPECT_EQ(RvSimCallCount(), 9);
  RvSimClearTrace();
  EXPECT_STREQ(RvSimTrace(), "");
  api.hide(handle);
  EXPECT_EQ(TraceLines(), std::vector<std::string>{"NTRVHideVideo(1001) = 1"});
  EXPECT_EQ(RvSimCallCount(), 10);  // clearing the trace keeps the count
}

TEST_F(Trace, LongRunsKeepTheNewestLines) {
  const int32_t handle = Open();
  for (int i = 0; i < 40000; ++i) api.zOrder(handle, i);
  const std::string trace = RvSimTrace();
  EXPECT_LE(trace.size(), size_t{1} << 20);
  EXPECT_EQ(trace.rfind("NTRVSetZOrder(1001,39999) = 1\n"), trace.size() - 30);
  EXPECT_EQ(trace.compare(0, 14, "NTRVSetZOrder("), 0);  // cut at a line start
  EXPECT_EQ(RvSimCallCount(), 40001);
}

using Config = SimulatorTest;

TEST_F(Config, MalformedTextIsRefusedWithItsLineAndLeavesTheDefault) {
  const char* bad[] = {
      "host simulator\nbogus 1\n",
      "source x CAM\n",
      "source 5\n",
      "source 5 A\nsource 5 B\n",
      "host\n",
      "host two words\n",
      "limit -1\n",
      "limit 5 6\n",
      "fault NTRVNoSuch 1 1 0\n",
      "fault NTRVHideVideo 1 1\n",
      "fault NTRVHideVideo 1 1 0x\n",
      "source 99999999999 Big\n",
      "source 1 A\nno-sources\n",
      "no-sources\nsource 1 A\n",
  };
  for (const char* text : bad) {
    EXPECT_EQ(RvSimConfigure(text), -1) << text;
    EXPECT_EQ(std::string(RvSimConfigError()).rfind("line ", 0), 0u) << text;
    EXPECT_NE(Open(), -1) << text;  // the default server is up
  }
  EXPECT_EQ(RvSimConfigure("host a\nsource 1 CAM\nzzz\n"), -1);
  EXPECT_STREQ(RvSimConfigError(), "line 3: unknown directive 'zzz'");
  EXPECT_EQ(RvSimConfigure("# nothing but a comment\n\n   \n"), 0);
  EXPECT_STREQ(RvSimConfigError(), "");
}

TEST_F(Config, NameAtTheLimitOfTheSourceRecord) {
  const std::string longest(79, 'n');
  EXPECT_EQ(RvSimConfigure(("source 1 " + longest + "\n").c_str()), 0);
  EXPECT_EQ(RvSimConfigure(("source 1 " + longest + "n\n").c_str()), -1);
}

TEST_F(Config, ConnectionLimit) {
  ASSERT_EQ(RvSimConfigure("limit 2\n"), 0);
  EXPECT_NE(Open(), -1);
  EXPECT_NE(Open(), -1);
  EXPECT_EQ(Open(), -1);
  ASSERT_EQ(RvSimConfigure("limit 0\n"), 0);  // a server that takes nobody
  EXPECT_EQ(Open(), -1);
}

}  // namespace
}  // namespace simtest
