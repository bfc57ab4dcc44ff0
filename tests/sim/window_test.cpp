#include <cstring>

#include "video_library_api.h"

namespace simtest {
namespace {

using Window = SimulatorTest;

TEST_F(Window, FreshWindowIsHiddenWithoutSource) {
  const RvSimWindow window = WindowOf(Open());
  EXPECT_EQ(window.state, RVSIM_HIDDEN);
  EXPECT_EQ(window.sourceId, -1);
  EXPECT_STREQ(window.sourceName, "");
  EXPECT_STREQ(window.caption, "");
}

TEST_F(Window, SettingsLandInTheWindowOfTheirConnection) {
  const int32_t other = Open();
  const int32_t handle = Open();
  ASSERT_EQ(api.select(handle, 103), 1);
  ASSERT_EQ(api.position(handle, 100, -50, 320, 240), 1);
  ASSERT_EQ(api.zoom(handle, 1, 2, 3, 4), 1);
  ASSERT_EQ(api.zOrder(handle, -7), 1);
  ASSERT_EQ(api.caption(handle, "CAM3 Gate"), 1);
  ASSERT_EQ(api.colorKey(handle, 0x030201), 1);
  ASSERT_EQ(api.insertionMode(handle, 2), 1);
  ASSERT_EQ(api.brightness(handle, 44), 1);
  ASSERT_EQ(api.contrast(handle, 255), 1);
  ASSERT_EQ(api.saturation(handle, 0), 1);
  ASSERT_EQ(api.hue(handle, 17), 1);
  ASSERT_EQ(api.motion(handle), 1);

  const RvSimWindow w = WindowOf(handle);
  EXPECT_EQ(w.sourceId, 103);
  EXPECT_STREQ(w.sourceName, "CAM3");
  EXPECT_EQ(w.x, 100);
  EXPECT_EQ(w.y, -50);
  EXPECT_EQ(w.width, 320);
  EXPECT_EQ(w.height, 240);
  EXPECT_EQ(w.zoomX, 1);
  EXPECT_EQ(w.zoomY, 2);
  EXPECT_EQ(w.zoomWidth, 3);
  EXPECT_EQ(w.zoomHeight, 4);
  EXPECT_EQ(w.zOrder, -7);
  EXPECT_STREQ(w.caption, "CAM3 Gate");
  EXPECT_EQ(w.colorKey, 0x030201);
  EXPECT_EQ(w.insertionMode, 2);
  EXPECT_EQ(w.brightness, 44);
  EXPECT_EQ(w.contrast, 255);
  EXPECT_EQ(w.saturation, 0);
  EXPECT_EQ(w.hue, 17);
  EXPECT_EQ(w.state, RVSIM_LIVE);

  const RvSimWindow untouched = WindowOf(other);
  EXPECT_EQ(untouched.sourceId, -1);
  EXPECT_EQ(untouched.state, RVSIM_HIDDEN);
  EXPECT_EQ(untouched.width, 0);
}

TEST_F(Window, ShowFreezeHideCycle) {
  const int32_t handle = Open();
  EXPECT_EQ(api.motion(handle), 0);  // nothing selected
  EXPECT_EQ(api.still(handle), 0);   // nothing shown to freeze
  EXPECT_EQ(api.select(handle, 100), 0);
  EXPECT_EQ(api.select(handle, 107), 0);
  EXPECT_EQ(WindowOf(handle).sourceId, -1);
  ASSERT_EQ(api.select(handle, 106), 1);
  EXPECT_EQ(api.still(handle), 0);  // selected but still hidden
  ASSERT_EQ(api.motion(handle), 1);
  EXPECT_EQ(WindowOf(handle).state, RVSIM_LIVE);
  ASSERT_EQ(api.still(handle), 1);
  EXPECT_EQ(WindowOf(handle).state, RVSIM_STILL);
  ASSERT_EQ(api.motion(handle), 1);
  EXPECT_EQ(WindowOf(handle).state, RVSIM_LIVE);
  ASSERT_EQ(api.hide(handle), 1);
  EXPECT_EQ(api.hide(handle), 1);  // hiding a hidden window is harmless
  EXPECT_EQ(WindowOf(handle).state, RVSIM_HIDDEN);
  EXPECT_EQ(WindowOf(handle).sourceId, 106);  // the selection outlives the hide
}

TEST_F(Window, CaptionThatDoesNotFitIsRefusedAndKeepsTheOldOne) {
  const int32_t handle = Open();
  ASSERT_EQ(api.caption(handle, "Gate"), 1);
  EXPECT_EQ(api.caption(handle, std::string(80, 'x').c_str()), 0);
  EXPECT_EQ(api.caption(handle, nullptr), 0);
  EXPECT_STREQ(WindowOf(handle).caption, "Gate");
  ASSERT_EQ(api.caption(handle, std::string(79, 'y').c_str()), 1);
  EXPECT_EQ(std::string(WindowOf(handle).caption), std::string(79, 'y'));
  ASSERT_EQ(api.caption(handle, ""), 1);
  EXPECT_STREQ(WindowOf(handle).caption, "");
}

TEST_F(Window, WallListsOpenConnectionsInOpeningOrder) {
  int32_t handles[4];
  for (int32_t& handle : handles) handle = Open();
  ASSERT_EQ(api.close(handles[1]), 1);
  const int32_t late = Open();

  RvSimWindow windows[8];
  std::memset(windows, 0xAB, sizeof windows);
  ASSERT_EQ(RvSimWall(windows, 8), 4);
  EXPECT_EQ(windows[0].handle, handles[0]);
  EXPECT_EQ(windows[1].handle, handles[2]);
  EXPECT_EQ(windows[2].handle, handles[3]);
  EXPECT_EQ(windows[3].handle, late);

  RvSimWindow two[3];
  std::memset(two, 0xAB, sizeof two);
  EXPECT_EQ(RvSimWall(two, 2), 4);  // the count, while only two are copied
  EXPECT_EQ(two[1].handle, handles[2]);
  EXPECT_EQ(two[2].handle, static_cast<int32_t>(0xABABABAB));
  EXPECT_EQ(RvSimWall(nullptr, 0), 4);
}

}  // namespace
}  // namespace simtest
