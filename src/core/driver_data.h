// DriverData: the whole per-station state, in a host-allocated block whose
// layout is shared with the host (byte-packed, little-endian).
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/video_library.h"

constexpr int kWindowRows = 10;       // rows of windowShown and regionMap
constexpr int kOpenConnections = 6;   // connections opened; windows 0 to 5
constexpr int kConnectionSlots = 10;  // entries of connections
constexpr int kRegionCount = 6;       // 3 columns by 2 rows
constexpr int kSourceRecords = 10;    // records of sources
constexpr int kHostNameSize = 30;
constexpr int kAddressSize = 32;
constexpr int kCaptionSize = 30;

#pragma pack(push, 1)
struct DriverData {
  int32_t connected;
  int32_t windowShown[kWindowRows];
  int32_t connections[kConnectionSlots];
  int32_t regionMap[kWindowRows][kRegionCount];
  int32_t numConnections;
  uint8_t numSources;
  VideoSourceInfo sources[kSourceRecords];
  int32_t stationNumber;
  uint8_t reserved[32];
  char hostName[kHostNameSize];
  char address[kAddressSize];
  int16_t window;
  int16_t source;
  int16_t x;
  int16_t y;
  int16_t width;
  int16_t height;
  int16_t zOrder;
  int16_t zoomX;
  int16_t zoomY;
  int16_t zoomWidth;
  int16_t zoomHeight;
  int16_t brightness;
  int16_t contrast;
  int16_t saturation;
  int16_t hue;
  int16_t mode;
  int32_t color;
  char caption[kCaptionSize];
  int32_t lastResult;
  OpenVideoConnectionFn OpenVideoConnection;
  CloseVideoConnectionFn CloseVideoConnection;
  GetNumVideoSourcesFn GetNumVideoSources;
  GetVideoSourceInfoFn GetVideoSourceInfo;
  SelectVideoSourceFn SelectVideoSource;
  MotionVideoFn MotionVideo;
  StillVideoFn StillVideo;
  HideVideoFn HideVideo;
  SetVideoPositionFn SetVideoPosition;
  SetZOrderFn SetZOrder;
  SetVideoCaptionFn SetVideoCaption;
  SetZoomFn SetZoom;
  SetPictureFn SetBrightness;
  SetPictureFn SetContrast;
  SetPictureFn SetSaturation;
  SetPictureFn SetHue;
  ColorKeyFn ColorKey;
  InsertionModeFn InsertionMode;
};
#pragma pack(pop)

// Every field before the function pointers keeps its offset on every build.
static_assert(offsetof(DriverData, windowShown) == 4, "DriverData layout");
static_assert(offsetof(DriverData, connections) == 44, "DriverData layout");
static_assert(offsetof(DriverData, regionMap) == 84, "DriverData layout");
static_assert(offsetof(DriverData, numConnections) == 324, "DriverData layout");
static_assert(offsetof(DriverData, numSources) == 328, "DriverData layout");
static_assert(offsetof(DriverData, sources) == 329, "DriverData layout");
static_assert(offsetof(DriverData, stationNumber) == 1169, "DriverData layout");
static_assert(offsetof(DriverData, reserved) == 1173, "DriverData layout");
static_assert(offsetof(DriverData, hostName) == 1205, "DriverData layout");
static_assert(offsetof(DriverData, address) == 1235, "DriverData layout");
static_assert(offsetof(DriverData, window) == 1267, "DriverData layout");
static_assert(offsetof(DriverData, source) == 1269, "DriverData layout");
static_assert(offsetof(DriverData, x) == 1271, "DriverData layout");
static_assert(offsetof(DriverData, y) == 1273, "DriverData layout");
static_assert(offsetof(DriverData, width) == 1275, "DriverData layout");
static_assert(offsetof(DriverData, height) == 1277, "DriverData layout");
static_assert(offsetof(DriverData, zOrder) == 1279, "DriverData layout");
static_assert(offsetof(DriverData, zoomX) == 1281, "DriverData layout");
static_assert(offsetof(DriverData, zoomY) == 1283, "DriverData layout");
static_assert(offsetof(DriverData, zoomWidth) == 1285, "DriverData layout");
static_assert(offsetof(DriverData, zoomHeight) == 1287, "DriverData layout");
static_assert(offsetof(DriverData, brightness) == 1289, "DriverData layout");
static_assert(offsetof(DriverData, contrast) == 1291, "DriverData layout");
static_assert(offsetof(DriverData, saturation) == 1293, "DriverData layout");
static_assert(offsetof(DriverData, hue) == 1295, "DriverData layout");
static_assert(offsetof(DriverData, mode) == 1297, "DriverData layout");
static_assert(offsetof(DriverData, color) == 1299, "DriverData layout");
static_assert(offsetof(DriverData, caption) == 1303, "DriverData layout");
static_assert(offsetof(DriverData, lastResult) == 1333, "DriverData layout");
static_assert(offsetof(DriverData, OpenVideoConnection) == 1337, "DriverData layout");

// The function pointers are pointer-sized: 4 bytes on the host's 32-bit build.
constexpr size_t kPointerField = sizeof(void (*)());
static_assert(offsetof(DriverData, CloseVideoConnection) == 1337 + 1 * kPointerField, "layout");
static_assert(offsetof(DriverData, GetNumVideoSources) == 1337 + 2 * kPointerField, "layout");
static_assert(offsetof(DriverData, GetVideoSourceInfo) == 1337 + 3 * kPointerField, "layout");
static_assert(offsetof(DriverData, SelectVideoSource) == 1337 + 4 * kPointerField, "layout");
static_assert(offsetof(DriverData, MotionVideo) == 1337 + 5 * kPointerField, "layout");
static_assert(offsetof(DriverData, StillVideo) == 1337 + 6 * kPointerField, "layout");
static_assert(offsetof(DriverData, HideVideo) == 1337 + 7 * kPointerField, "layout");
static_assert(offsetof(DriverData, SetVideoPosition) == 1337 + 8 * kPointerField, "layout");
static_assert(offsetof(DriverData, SetZOrder) == 1337 + 9 * kPointerField, "layout");
static_assert(offsetof(DriverData, SetVideoCaption) == 1337 + 10 * kPointerField, "layout");
static_assert(offsetof(DriverData, SetZoom) == 1337 + 11 * kPointerField, "layout");
static_assert(offsetof(DriverData, SetBrightness) == 1337 + 12 * kPointerField, "layout");
static_assert(offsetof(DriverData, SetContrast) == 1337 + 13 * kPointerField, "layout");
static_assert(offsetof(DriverData, SetSaturation) == 1337 + 14 * kPointerField, "layout");
static_assert(offsetof(DriverData, SetHue) == 1337 + 15 * kPointerField, "layout");
static_assert(offsetof(DriverData, ColorKey) == 1337 + 16 * kPointerField, "layout");
static_assert(offsetof(DriverData, InsertionMode) == 1337 + 17 * kPointerField, "layout");
static_assert(sizeof(DriverData) == 1337 + kVideoFunctionCount * kPointerField, "layout");
static_assert(sizeof(void*) != 4 || sizeof(DriverData) == 1409, "1409 bytes on 32-bit");

constexpr int32_t kDriverDataSize = static_cast<int32_t>(sizeof(DriverData));
