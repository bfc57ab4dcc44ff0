#include "wall_picture.h"

#include <algorithm>
#include <cmath>

#include "block_view.h"

namespace vpihost {
namespace {

constexpr int kRegionColumns = kPictureColumns / kWallColumns;
constexpr int kRegionRows = kPictureRows / kWallRows;

struct Glyphs {
  const char* corners[4];  // top left, top right, bottom left, bottom right
  const char* horizontal;
  const char* vertical;
};

const Glyphs kLiveBox = {{"┌", "┐", "└", "┘"}, "─", "│"};
const Glyphs kStillBox = {{"╔", "╗", "╚", "╝"}, "═", "║"};
const Glyphs kAsciiLive = {{"+", "+", "+", "+"}, "-", "|"};
const Glyphs kAsciiStill = {{"#", "#", "#", "#"}, "=", "#"};

// Each cell holds one glyph, one column wide.
class Canvas {
 public:
  Canvas() : cells_(kPictureRows + 1, std::vector<std::string>(kPictureColumns + 1, " ")) {}
  void Put(int row, int column, const std::string& glyph) {
    if (row < 0 || row > kPictureRows || column < 0 || column > kPictureColumns) return;
    cells_[static_cast<size_t>(row)][static_cast<size_t>(column)] = glyph;
  }
  void Write(int row, int column, const std::string& text, int width) {
    for (int i = 0; i < width && i < static_cast<int>(text.size()); ++i) {
      const unsigned char c = static_cast<unsigned char>(text[static_cast<size_t>(i)]);
      Put(row, column + i, std::string(1, c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?'));
    }
  }
  std::string Text() const {
    std::string text;
    for (const auto& row : cells_) {
      std::string line;
      for (const std::string& cell : row) line += cell;
      while (!line.empty() && line.back() == ' ') line.pop_back();
      text += line + "\n";
    }
    return text;
  }

 private:
  std::vector<std::vector<std::string>> cells_;
};

// The grid of regions, dotted, with each region's number in its corner.
void DrawRegions(Canvas* canvas, bool ascii) {
  const std::string dot = ascii ? "." : "·";
  for (int row = 0; row <= kPictureRows; row += kRegionRows) {
    for (int c = 0; c <= kPictureColumns; ++c) canvas->Put(row, c, dot);
  }
  for (int column = 0; column <= kPictureColumns; column += kRegionColumns) {
    for (int r = 0; r <= kPictureRows; ++r) canvas->Put(r, column, dot);
  }
  for (int region = 0; region < kRegionCount; ++region) {
    const int row = (region / kWallColumns) * kRegionRows + kRegionRows - 1;
    const int column = (region % kWallColumns) * kRegionColumns + kRegionColumns - 9;
    canvas->Write(row, column, "region " + std::to_string(region), 8);
  }
}

int ToColumn(int pixels) {
  return static_cast<int>(std::floor((pixels * 3.0 + 40.0) / 80.0));
}

int ToRow(int pixels) {
  return static_cast<int>(std::floor((pixels + 30.0) / 60.0));
}

// Edges of a window in cells, clipped to the wall; false when nothing of
// it lies on the wall.
bool PlaceBox(const RvSimWindow& w, int* top, int* left, int* bottom, int* right) {
  if (w.width <= 0 || w.height <= 0) return false;
  const int x1 = w.x + w.width;
  const int y1 = w.y + w.height;
  if (x1 <= 0 || y1 <= 0 || w.x >= kWallWidth || w.y >= kWallHeight) return false;
  *left = std::clamp(ToColumn(w.x), 0, kPictureColumns - 1);
  *right = std::clamp(ToColumn(x1), *left + 1, kPictureColumns);
  *top = std::clamp(ToRow(w.y), 0, kPictureRows - 1);
  *bottom = std::clamp(ToRow(y1), *top + 1, kPictureRows);
  return true;
}

void DrawBox(Canvas* canvas, const WallWindow& window, const Glyphs& g) {
  int top = 0, left = 0, bottom = 0, right = 0;
  if (!PlaceBox(window.sim, &top, &left, &bottom, &right)) return;
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) {
      const bool edgeRow = r == top || r == bottom;
      const bool edgeColumn = c == left || c == right;
      if (edgeRow && edgeColumn) {
        canvas->Put(r, c, g.corners[(r == bottom ? 2 : 0) + (c == right ? 1 : 0)]);
      } else {
        canvas->Put(r, c, edgeRow ? g.horizontal : (edgeColumn ? g.vertical : " "));
      }
    }
  }
  const RvSimWindow& s = window.sim;
  const std::string source = s.sourceId == -1 ? "-" : FieldText(s.sourceName, sizeof s.sourceName);
  std::vector<std::string> lines = {window.label + " " + source};
  if (s.caption[0] != '\0') lines.push_back(FieldText(s.caption, sizeof s.caption));
  if (s.state == RVSIM_STILL) lines.push_back("still");
  const int inner = right - left - 1;
  if (bottom - top < 2) {  // no inner row: the label goes on the top edge
    canvas->Write(top, left + 1, lines[0], inner);
    return;
  }
  for (size_t i = 0; i < lines.size() && top + 1 + static_cast<int>(i) < bottom; ++i) {
    canvas->Write(top + 1 + static_cast<int>(i), left + 1, lines[i], inner);
  }
}

}  // namespace

std::string DrawWall(const std::vector<WallWindow>& windows, bool ascii) {
  Canvas canvas;
  DrawRegions(&canvas, ascii);
  std::vector<const WallWindow*> shown;
  for (const WallWindow& w : windows) {
    if (w.sim.state != RVSIM_HIDDEN) shown.push_back(&w);
  }
  std::stable_sort(shown.begin(), shown.end(), [](const WallWindow* a, const WallWindow* b) {
    return a->sim.zOrder < b->sim.zOrder;
  });
  for (const WallWindow* w : shown) {
    const bool still = w->sim.state == RVSIM_STILL;
    DrawBox(&canvas, *w,
            ascii ? (still ? kAsciiStill : kAsciiLive) : (still ? kStillBox : kLiveBox));
  }
  return canvas.Text();
}

}  // namespace vpihost
