/* One window of the simulated video wall, as the simulator's C controls copy
   it out (rvsim.h) and the network protocol carries it. Plain C. */
#pragma once

#include <stdint.h>

enum { RVSIM_HIDDEN = 0, RVSIM_LIVE = 1, RVSIM_STILL = 2 };

typedef struct RvSimWindow {
  int32_t handle;   /* connection carrying the window */
  int32_t sourceId; /* selected source id, -1 when none */
  char sourceName[80];
  int16_t x, y, width, height;
  int16_t zoomX, zoomY, zoomWidth, zoomHeight;
  int32_t zOrder;
  char caption[80];
  int32_t colorKey;
  uint8_t insertionMode, brightness, contrast, saturation, hue;
  int32_t state; /* RVSIM_HIDDEN, RVSIM_LIVE, RVSIM_STILL */
} RvSimWindow;
