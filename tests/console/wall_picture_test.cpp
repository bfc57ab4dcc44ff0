// The wall picture, its SVG form and the window list, drawn from a known
// simulator state.
#include "wall_picture.h"

#include <gtest/gtest.h>

#include <cstring>

#include "console_fixture.h"
#include "wall_svg.h"

namespace {

using consoletest::Contains;
using consoletest::SplitLines;
using vpihost::WallWindow;

WallWindow Window(const char* label, int32_t state, const char* source, int x, int y, int width,
                  int height, int z, const char* caption = "") {
  WallWindow w;
  std::memset(&w.sim, 0, sizeof w.sim);
  w.label = label;
  w.sim.state = state;
  w.sim.sourceId = source[0] != '\0' ? 100 + source[std::strlen(source) - 1] - '0' : -1;
  std::strncpy(w.sim.sourceName, source, sizeof w.sim.sourceName - 1);
  std::strncpy(w.sim.caption, caption, sizeof w.sim.caption - 1);
  w.sim.x = static_cast<int16_t>(x);
  w.sim.y = static_cast<int16_t>(y);
  w.sim.width = static_cast<int16_t>(width);
  w.sim.height = static_cast<int16_t>(height);
  w.sim.zOrder = z;
  w.sim.brightness = w.sim.contrast = w.sim.saturation = 128;
  return w;
}

// One glyph per cell: the line split into UTF-8 characters.
std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  for (size_t i = 0; i < line.size();) {
    size_t length = 1;
    const unsigned char lead = static_cast<unsigned char>(line[i]);
    if (lead >= 0xF0)
      length = 4;
    else if (lead >= 0xE0)
      length = 3;
    else if (lead >= 0xC0)
      length = 2;
    cells.push_back(line.substr(i, length));
    i += length;
  }
  return cells;
}

std::string Cell(const std::vector<std::string>& lines, int row, int column) {
  const std::vector<std::string> cells = Cells(lines.at(static_cast<size_t>(row)));
  return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)] : " ";
}

std::string Row(const std::vector<std::string>& lines, int row) {
  return lines.at(static_cast<size_t>(row));
}

TEST(WallPicture, WindowsSitInTheirRegionsAndHiddenOnesAreNotDrawn) {
  const std::vector<WallWindow> wall = {
      Window("W1", RVSIM_LIVE, "CAM1", 0, 0, 640, 480, 1, "CAM1 Gate"),
      Window("W2", RVSIM_HIDDEN, "CAM2", 640, 0, 640, 480, 1),
      Window("W6", RVSIM_STILL, "CAM6", 1280, 480, 640, 480, 1, "CAM6 Dock"),
  };
  const auto lines = SplitLines(vpihost::DrawWall(wall, false));
  ASSERT_EQ(lines.size(), static_cast<size_t>(vpihost::kPictureRows + 1));
  // Live: single lines along region 0's edges, label and caption inside.
  EXPECT_EQ(Cell(lines, 0, 0), "┌");
  EXPECT_EQ(Cell(lines, 0, 24), "┐");
  EXPECT_EQ(Cell(lines, 8, 0), "└");
  EXPECT_EQ(Cell(lines, 8, 24), "┘");
  EXPECT_EQ(Row(lines, 1).find("│W1 CAM1"), 0u);
  EXPECT_TRUE(Contains(Row(lines, 2), "CAM1 Gate"));
  // Still: double lines along region 5's edges, marked "still".
  EXPECT_EQ(Cell(lines, 8, 48), "╔");
  EXPECT_EQ(Cell(lines, 16, 72), "╝");
  EXPECT_EQ(Cell(lines, 9, 49), "W");
  EXPECT_TRUE(Contains(Row(lines, 9), "W6 CAM6"));
  EXPECT_TRUE(Contains(Row(lines, 11), "still"));
  // Hidden: region 1 shows only the grid.
  for (const std::string& line : lines) EXPECT_FALSE(Contains(line, "W2")) << line;
  EXPECT_TRUE(Contains(Row(lines, 7), "region 1"));
}

TEST(WallPicture, HigherZOrderIsDrawnOnTop) {
  const WallWindow low = Window("W1", RVSIM_LIVE, "CAM1", 0, 0, 640, 480, 1);
  const WallWindow high = Window("W2", RVSIM_LIVE, "CAM2", 320, 0, 640, 480, 5);
  for (bool highFirst : {true, false}) {
    const std::vector<WallWindow> wall =
        highFirst ? std::vector<WallWindow>{high, low} : std::vector<WallWindow>{low, high};
    const auto lines = SplitLines(vpihost::DrawWall(wall, false));
    EXPECT_EQ(Cell(lines, 3, 12), "│") << "W2's left edge lies over W1";
    EXPECT_EQ(Cell(lines, 3, 24), " ") << "W1's right edge is covered";
    EXPECT_TRUE(Contains(Row(lines, 1), "W2 CAM2"));
  }
}

TEST(WallPicture, AsciiDrawingAndWindowsOffTheWall) {
  const std::vector<WallWindow> wall = {
      Window("W1", RVSIM_LIVE, "CAM1", 0, 0, 640, 480, 1),
      Window("W3", RVSIM_STILL, "CAM3", 1280, 0, 640, 480, 1),
      Window("W4", RVSIM_LIVE, "CAM4", 2000, 100, 300, 200, 1),
      Window("W5", RVSIM_LIVE, "CAM5", 100, 100, 0, 200, 1),
  };
  const std::string picture = vpihost::DrawWall(wall, true);
  for (unsigned char c : picture) EXPECT_LT(c, 0x80);
  const auto lines = SplitLines(picture);
  EXPECT_EQ(Row(lines, 0).substr(0, 2), "+-");
  EXPECT_EQ(Cell(lines, 0, 48), "#");
  EXPECT_EQ(Cell(lines, 1, 48), "#");
  EXPECT_EQ(Cell(lines, 0, 50), "=");
  EXPECT_FALSE(Contains(picture, "W4"));  // entirely right of the wall
  EXPECT_FALSE(Contains(picture, "W5"));  // no width
}

TEST(WallPicture, ListNamesEveryWindowWithTheDriversRegions) {
  std::vector<WallWindow> wall = {
      Window("W1", RVSIM_LIVE, "CAM1", 320, 0, 640, 480, 2, "CAM1 Yard"),
      Window("W2", RVSIM_HIDDEN, "", 0, 0, 0, 0, 0),
      Window("h1009", RVSIM_STILL, "CAM3", 0, 480, 640, 480, 1),
  };
  wall[0].driverRegions = 0x3;
  wall[1].driverRegions = 0;
  const auto lines = SplitLines(vpihost::DescribeWallWindows(wall));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_TRUE(Contains(lines[0], "W1   live   CAM1 (id 101)  at 320,0 640x480  z 2"));
  EXPECT_TRUE(Contains(lines[0], "caption \"CAM1 Yard\""));
  EXPECT_TRUE(Contains(lines[0], "[driver regions 0,1]"));
  EXPECT_TRUE(Contains(lines[1], "hidden no source  [driver regions none]"));
  EXPECT_TRUE(Contains(lines[2], "still"));
  EXPECT_TRUE(Contains(lines[2], "[not a driver window]"));
  EXPECT_TRUE(Contains(vpihost::DescribeWallWindows({}), "the wall is dark"));
}

TEST(WallSvg, ShownWindowsInZOrderWithEscapedTexts) {
  const std::vector<WallWindow> wall = {
      Window("W1", RVSIM_STILL, "CAM1", 0, 0, 640, 480, 3, "A<B & \"C\""),
      Window("W2", RVSIM_HIDDEN, "CAM2", 640, 0, 640, 480, 1),
      Window("W3", RVSIM_LIVE, "CAM3", 320, 0, 640, 480, 1),
  };
  const std::string svg = vpihost::WallSvg(wall);
  EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
  EXPECT_TRUE(Contains(svg, "</svg>"));
  EXPECT_TRUE(Contains(svg, "A&lt;B &amp; &quot;C&quot;"));
  EXPECT_FALSE(Contains(svg, "A<B"));
  EXPECT_FALSE(Contains(svg, ">W2 CAM2<"));  // hidden: only in the list below
  EXPECT_TRUE(Contains(svg, "W2   hidden"));
  const size_t live = svg.find(">W3 CAM3<");
  const size_t still = svg.find(">W1 CAM1<");
  ASSERT_NE(live, std::string::npos);
  ASSERT_NE(still, std::string::npos);
  EXPECT_LT(live, still) << "the higher z-order comes later, on top";
  EXPECT_TRUE(Contains(svg.substr(0, still), "stroke-dasharray=\"24 12\""));
}

}  // namespace
