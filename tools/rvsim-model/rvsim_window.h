/* One window of the simulated video wall, as the simulator's C controls copy
   it out (rvsim.h) and the network protocol carries it. A plain struct. */
#pragma once

#include <stdint.h>

#include "core/video_library.h"

enum { RVSIM_HIDDEN = 0, RVSIM_LIVE = 1, RVSIM_STILL = 2 };
enum { RVSIM_CAPTION_SIZE = 80 }; /* the simulator keeps 79 characters of a caption */

typedef struct RvSimWindow {
  int32_t handle;   /* connection carrying the window */
  int32_t sourceId; /* selected source id, -1 when none */
  char sourceName[kSourceNameSize];
  int16_t x, y, width, height;
  int16_t zoomX, zoomY, zoomWidth, zoomHeight;
  int32_t zOrder;
  char caption[RVSIM_CAPTION_SIZE];
  int32_t colorKey;
  uint8_t insertionMode, brightness, contrast, saturation, hue;
  int32_t state; /* RVSIM_HIDDEN, RVSIM_LIVE, RVSIM_STILL */
} RvSimWindow;
