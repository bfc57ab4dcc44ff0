// The wall drawn in the terminal: the 3 x 2 regions of 640 x 480 as a grid,
// every window that is not hidden as a box at its place (single lines for
// live video, double lines for a still picture), upper z-orders on top.
#pragma once

#include <string>
#include <vector>

#include "wall_model.h"

namespace vpihost {

constexpr int kPictureColumns = 72;  // 24 columns per region
constexpr int kPictureRows = 16;     // 8 rows per region

// The picture only, `kPictureRows` + 1 lines of `kPictureColumns` + 1 cells;
// `ascii` draws with + - | = # instead of box characters.
std::string DrawWall(const std::vector<WallWindow>& windows, bool ascii);

}  // namespace vpihost
