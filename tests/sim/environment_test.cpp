// Runs with RVSIM_CONFIG and RVSIM_TRACE set by the test runner: the first
// call configures the server from the file, and every call is appended to
// the trace file.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "video_library_api.h"

namespace simtest {
namespace {

std::string FileText(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(Environment, FirstUseReadsTheConfigFileAndTracesToTheFile) {
  const char* tracePath = "sim_environment_trace.txt";
  std::remove(tracePath);  // no library call has been made yet
  const VideoLibraryApi& api = Api();

  EXPECT_EQ(api.open("simulator"), -1);
  const int32_t handle = api.open("Wall-Server");
  ASSERT_NE(handle, -1) << RvSimConfigError();
  uint8_t count = 0;
  ASSERT_EQ(api.numSources(handle, &count), 1);
  EXPECT_EQ(count, 2);
  VideoSourceInfo info{};
  ASSERT_EQ(api.sourceInfo(handle, 1, &info), 1);
  EXPECT_EQ(info.id, 32);
  EXPECT_STREQ(info.name, "Car Park");
  EXPECT_EQ(api.hide(handle), 1);
  EXPECT_EQ(api.hide(handle), 0);  // the configured fault

  const std::string expected =
      "NTRVOpenVideoConnection(\"simulator\") = -1\n"
      "NTRVOpenVideoConnection(\"Wall-Server\") = 1001\n"
      "NTRVGetNumVideoSources(1001) = 1\n"
      "NTRVGetVideoSourceInfo(1001,1) = 1\n"
      "NTRVHideVideo(1001) = 1\n"
      "NTRVHideVideo(1001) = 0\n";
  EXPECT_EQ(RvSimTrace(), expected);
  EXPECT_EQ(FileText(tracePath), expected);

  RvSimClearTrace();  // the file keeps everything
  api.close(handle);
  EXPECT_EQ(FileText(tracePath), expected + "NTRVCloseVideoConnection(1001) = 1\n");
  std::remove(tracePath);
}

}  // namespace
}  // namespace simtest
