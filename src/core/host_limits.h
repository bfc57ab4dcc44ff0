// Limits of the host contract that several rooms and the tools share: the
// texts that cross the boundary and the wall the windows are placed on.
#pragma once

#include <cstddef>

// A text the host writes or reads through an address: at most 49
// characters and its NUL.
constexpr size_t kHostTextSize = 50;

// The placement text "(source,x,y,width,height,z-order,caption)" written to
// and read from FSHOWWINDOW: the source name, five numbers, the caption.
enum PlacementNumber : int { kPlaceX, kPlaceY, kPlaceWidth, kPlaceHeight, kPlaceZOrder };
constexpr int kPlacementNumbers = kPlaceZOrder + 1;
constexpr int kPlacementFields = 1 + kPlacementNumbers + 1;
constexpr int kPlacementCaptionField = kPlacementFields - 1;

// The wall: three columns and two rows of regions, each 640 x 480.
constexpr int kWallColumns = 3;
constexpr int kWallRows = 2;
constexpr int kRegionWidth = 640;
constexpr int kRegionHeight = 480;
constexpr int kWallWidth = kWallColumns * kRegionWidth;
constexpr int kWallHeight = kWallRows * kRegionHeight;
