#include "wire_reads.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rvsimdtest {

std::vector<RvSimWindow> ReadWall(WireClient& client) {
  std::vector<RvSimWindow> windows;
  uint64_t revision = 0;
  for (;;) {
    const rvproto::Answer page =
        client.Ask(ControlRequest(rvproto::Kind::kWall, static_cast<uint32_t>(windows.size())));
    EXPECT_EQ(page.kind, rvproto::Kind::kWall);
    if (page.kind != rvproto::Kind::kWall) break;
    if (!windows.empty()) {
      EXPECT_EQ(page.wall.revision, revision) << "wall changed while read";
    }
    revision = page.wall.revision;
    EXPECT_EQ(page.wall.first, windows.size());
    windows.insert(windows.end(), page.wall.windows.begin(), page.wall.windows.end());
    if (windows.size() >= page.wall.total || page.wall.windows.empty()) break;
  }
  return windows;
}

std::string ReadTrace(WireClient& client) {
  std::string text;
  for (;;) {
    const rvproto::Answer page =
        client.Ask(ControlRequest(rvproto::Kind::kTrace, static_cast<uint32_t>(text.size())));
    EXPECT_EQ(page.kind, rvproto::Kind::kTrace);
    if (page.kind != rvproto::Kind::kTrace) break;
    text += page.trace.text;
    if (text.size() >= page.trace.total || page.trace.text.empty()) break;
  }
  return text;
}

std::string Describe(const RvSimWindow& w) {
  std::ostringstream out;
  out << w.handle << " source " << w.sourceId << " '" << w.sourceName << "' at " << w.x << ","
      << w.y << " " << w.width << "x" << w.height << " zoom " << w.zoomX << "," << w.zoomY << " "
      << w.zoomWidth << "x" << w.zoomHeight << " z " << w.zOrder << " '" << w.caption << "' key "
      << w.colorKey << " mode " << int{w.insertionMode} << " picture " << int{w.brightness} << "/"
      << int{w.contrast} << "/" << int{w.saturation} << "/" << int{w.hue} << " state " << w.state;
  return out.str();
}

}  // namespace rvsimdtest
