// The FSHOWWINDOW read-back text, built from a block directly.
#include "exchange/placement_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/host_limits.h"

namespace {

class PlacementTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&data, 0, sizeof data);
    data.numSources = 2;
    std::strcpy(data.sources[1].name, "CAM2");
    data.source = 1;
  }

  std::string Build() {
    char out[kHostTextSize + 8];
    std::memset(out, '#', sizeof out);
    if (!vpi::BuildPlacementText(&data, out)) return "refused";
    EXPECT_EQ(out[std::strlen(out) + 1], '#') << "nothing written past the NUL";
    return out;
  }

  DriverData data;
};

TEST_F(PlacementTextTest, NumbersInPlainDecimal) {
  data.x = 32767;
  data.y = -1;
  data.width = 9;
  data.height = 10;
  data.zOrder = 0;
  std::strcpy(data.caption, "Gate");
  EXPECT_EQ(Build(), "(CAM2,32767,-1,9,10,0,Gate)");
  data.x = -32768;
  data.y = 100;
  data.zOrder = -99;
  data.caption[0] = '\0';
  EXPECT_EQ(Build(), "(CAM2,-32768,100,9,10,-99,)");
}

TEST_F(PlacementTextTest, FortyNineCharactersFitAndFiftyAreRefused) {
  data.x = data.y = data.width = data.height = data.zOrder = -32768;
  std::strcpy(data.caption, "seven77");  // 42 + 7 = 49
  EXPECT_EQ(Build().size(), 49u);
  std::strcpy(data.caption, "eight888");
  EXPECT_EQ(Build(), "refused");
  std::memset(data.caption, 'c', sizeof data.caption);  // no NUL in the field
  EXPECT_EQ(Build(), "refused");
}

}  // namespace
