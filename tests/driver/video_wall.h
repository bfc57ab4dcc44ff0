// A station connected to the simulated video server, with the helpers the
// window and command tests share: staging, the call trace, region rows.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "rvideo-sim/rvsim.h"
#include "support/station.h"

namespace vpitest {

class VideoWall : public ::testing::Test {
 protected:
  // The simulator's configuration text; null for its six cameras CAM1 to
  // CAM6 with ids 101 to 106.
  virtual const char* ServerConfig() const { return nullptr; }

  void SetUp() override {
    ASSERT_EQ(RvSimConfigure(ServerConfig()), 0);
    ASSERT_EQ(station.ColdStart(), VPI_OK);
    ASSERT_EQ(Stage("WINDOW", 1), VPI_OK);  // opens the six connections
    ASSERT_EQ(data().connected, 1);
    RvSimClearTrace();
  }

  DriverData& data() { return station.data(); }
  int32_t Handle(int window) { return data().connections[window]; }
  // Copies of the block's unaligned fields, for the checks.
  int32_t LastResult() { return data().lastResult; }
  int16_t StagedWindow() { return data().window; }
  int16_t StagedSource() { return data().source; }
  int16_t StagedX() { return data().x; }

  int32_t Stage(const std::string& name, int16_t value) {
    return station.WriteNumber("!" + name, VPI_TYPE_INT16, value);
  }
  int32_t Command(const std::string& name, int16_t value = 1) {
    return station.WriteNumber("!" + name, VPI_TYPE_FLAG, value);
  }
  int32_t Show(const std::string& text) { return station.WriteText("!FSHOWWINDOW", text); }
  int32_t Hide(const std::string& text) { return station.WriteText("!FHIDESOURCE", text); }

  // Stages WINDOW and the rectangle, then runs FMOTION.
  int32_t Motion(int16_t window, int16_t x, int16_t y, int16_t width, int16_t height) {
    Stage("WINDOW", window);
    Stage("X", x);
    Stage("Y", y);
    Stage("WIDTH", width);
    Stage("HEIGHT", height);
    return Command("FMOTION");
  }

  static std::vector<std::string> Trace() {
    std::vector<std::string> lines;
    std::istringstream text(RvSimTrace());
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
  }

  // The regions that window w's row marks, e.g. {0, 1}.
  std::vector<int> RegionsOf(int window) {
    std::vector<int> regions;
    for (int r = 0; r < kRegionCount; ++r) {
      if (data().regionMap[window][r] != 0) regions.push_back(r);
    }
    return regions;
  }

  Station station;
};

// One trace line: Line("NTRVHideVideo(%d) = 1", handle).
template <typename... Args>
std::string Line(const char* format, Args... args) {
  char text[256];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

}  // namespace vpitest
