#include <cstring>

#include "video_library_api.h"

namespace simtest {
namespace {

using Sources = SimulatorTest;

TEST_F(Sources, DefaultServerOffersSixCameras) {
  const int32_t handle = Open();
  uint8_t count = 0;
  ASSERT_EQ(api.numSources(handle, &count), 1);
  ASSERT_EQ(count, 6);
  for (uint8_t i = 0; i < count; ++i) {
    VideoSourceInfo info;
    std::memset(&info, 0xCC, sizeof info);
    ASSERT_EQ(api.sourceInfo(handle, i, &info), 1);
    EXPECT_EQ(info.id, 101 + i);
    EXPECT_EQ(std::string(info.name), "CAM" + std::to_string(i + 1));
    for (size_t k = std::strlen(info.name); k < sizeof info.name; ++k) {
      ASSERT_EQ(info.name[k], '\0') << "byte " << k << " of record " << int(i);
    }
  }
}

TEST_F(Sources, IndexPastTheEndOrNullRecordFailsWithoutWriting) {
  const int32_t handle = Open();
  VideoSourceInfo info;
  std::memset(&info, 0xCC, sizeof info);
  EXPECT_NE(api.sourceInfo(handle, 6, &info), 1);
  EXPECT_NE(api.sourceInfo(handle, 255, &info), 1);
  EXPECT_NE(api.sourceInfo(handle, 0, nullptr), 1);
  EXPECT_NE(api.numSources(handle, nullptr), 1);
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&info);
  for (size_t k = 0; k < sizeof info; ++k) ASSERT_EQ(bytes[k], 0xCC) << k;
}

TEST_F(Sources, ConfiguredSourcesReplaceTheDefaultInOrder) {
  ASSERT_EQ(RvSimConfigure("# two cameras\n"
                           "host video-01\r\n"
                           "source 7 Front Gate   \n"
                           "source -3 Yard # back\n"
                           "source 12 Yard\n"),
            0);
  EXPECT_EQ(Open(), -1);  // the configured host replaces the default ones
  const int32_t handle = api.open("VIDEO-01");
  ASSERT_NE(handle, -1);
  uint8_t count = 0;
  ASSERT_EQ(api.numSources(handle, &count), 1);
  ASSERT_EQ(count, 3);
  VideoSourceInfo info{};
  ASSERT_EQ(api.sourceInfo(handle, 0, &info), 1);
  EXPECT_EQ(info.id, 7);
  EXPECT_STREQ(info.name, "Front Gate");
  ASSERT_EQ(api.sourceInfo(handle, 1, &info), 1);
  EXPECT_EQ(info.id, -3);
  EXPECT_STREQ(info.name, "Yard");
  ASSERT_EQ(api.sourceInfo(handle, 2, &info), 1);
  EXPECT_EQ(info.id, 12);
  EXPECT_STREQ(info.name, "Yard");
  EXPECT_EQ(api.select(handle, 101), 0);  // the default cameras are gone
  EXPECT_EQ(api.select(handle, -3), 1);
}

TEST_F(Sources, ServerWithoutSources) {
  ASSERT_EQ(RvSimConfigure("no-sources\n"), 0);
  const int32_t handle = Open();
  uint8_t count = 9;
  ASSERT_EQ(api.numSources(handle, &count), 1);
  EXPECT_EQ(count, 0);
  VideoSourceInfo info{};
  EXPECT_NE(api.sourceInfo(handle, 0, &info), 1);
}

TEST_F(Sources, MoreSourcesThanTheDriverKeeps) {
  std::string config;
  for (int i = 0; i < 255; ++i) config += "source " + std::to_string(i + 1) + " S\n";
  ASSERT_EQ(RvSimConfigure(config.c_str()), 0) << RvSimConfigError();
  const int32_t handle = Open();
  uint8_t count = 0;
  ASSERT_EQ(api.numSources(handle, &count), 1);
  EXPECT_EQ(count, 255);
  VideoSourceInfo info{};
  EXPECT_EQ(api.sourceInfo(handle, 254, &info), 1);
  EXPECT_EQ(info.id, 255);
  config += "source 256 S\n";
  EXPECT_EQ(RvSimConfigure(config.c_str()), -1);  // the count must fit its byte
}

}  // namespace
}  // namespace simtest
