// The simulator's eighteen library functions, bound by name from the loaded
// library exactly as the driver binds them, and a fixture that resets the
// simulated server before each test.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/video_library.h"
#include "rvideo-sim/rvsim.h"

namespace simtest {

struct VideoLibraryApi {
  OpenVideoConnectionFn open;
  CloseVideoConnectionFn close;
  GetNumVideoSourcesFn numSources;
  GetVideoSourceInfoFn sourceInfo;
  SelectVideoSourceFn select;
  MotionVideoFn motion;
  StillVideoFn still;
  HideVideoFn hide;
  SetVideoPositionFn position;
  SetZOrderFn zOrder;
  SetVideoCaptionFn caption;
  SetZoomFn zoom;
  SetPictureFn brightness;
  SetPictureFn contrast;
  SetPictureFn saturation;
  SetPictureFn hue;
  ColorKeyFn colorKey;
  InsertionModeFn insertionMode;
};

// Binds every function by its bare export name; aborts the test program
// when the library or a name is missing.
const VideoLibraryApi& Api();

class SimulatorTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(RvSimConfigure(nullptr), 0); }
  void TearDown() override { RvSimConfigure(nullptr); }

  const VideoLibraryApi& api = Api();

  int32_t Open() { return api.open("simulator"); }

  // The window of `handle` on the wall; fails the test when it is not there.
  RvSimWindow WindowOf(int32_t handle);

  static std::vector<std::string> TraceLines();
};

}  // namespace simtest
