// Contract of the vendor's video control library: the source record and the
// eighteen functions the driver binds by name, in binding order.
#pragma once

#include <cstdint>

#include "platform/abi.h"

#pragma pack(push, 1)
constexpr int kSourceNameSize = 80;  // a source name: 79 characters and its NUL

struct VideoSourceInfo {
  int32_t id;
  char name[kSourceNameSize];
};
#pragma pack(pop)
static_assert(sizeof(VideoSourceInfo) == 84, "source record is 84 bytes");

constexpr int32_t kInvalidHandle = -1;

using OpenVideoConnectionFn = int32_t(VPI_STDCALL*)(const char* hostName);
using CloseVideoConnectionFn = int32_t(VPI_STDCALL*)(int32_t handle);
using GetNumVideoSourcesFn = int32_t(VPI_STDCALL*)(int32_t handle, uint8_t* count);
using GetVideoSourceInfoFn = int32_t(VPI_STDCALL*)(int32_t handle, uint8_t index,
                                                   VideoSourceInfo* info);
using SelectVideoSourceFn = int32_t(VPI_STDCALL*)(int32_t handle, int32_t sourceId);
using MotionVideoFn = int32_t(VPI_STDCALL*)(int32_t handle);
using StillVideoFn = int32_t(VPI_STDCALL*)(int32_t handle);
using HideVideoFn = int32_t(VPI_STDCALL*)(int32_t handle);
using SetVideoPositionFn = int32_t(VPI_STDCALL*)(int32_t handle, int16_t x, int16_t y,
                                                 int16_t width, int16_t height);
using SetZOrderFn = int32_t(VPI_STDCALL*)(int32_t handle, int32_t zOrder);
using SetVideoCaptionFn = int32_t(VPI_STDCALL*)(int32_t handle, const char* caption);
using SetZoomFn = int32_t(VPI_STDCALL*)(int32_t handle, int16_t x, int16_t y, int16_t width,
                                        int16_t height);
using SetPictureFn = int32_t(VPI_STDCALL*)(int32_t handle, uint8_t value);
using ColorKeyFn = int32_t(VPI_STDCALL*)(int32_t handle, int32_t color);
using InsertionModeFn = int32_t(VPI_STDCALL*)(int32_t handle, uint8_t mode);

constexpr int kVideoFunctionCount = 18;

// Export names in binding order; the order of the pointers in DriverData.
inline constexpr const char* kVideoFunctionNames[kVideoFunctionCount] = {
    "NTRVOpenVideoConnection",
    "NTRVCloseVideoConnection",
    "NTRVGetNumVideoSources",
    "NTRVGetVideoSourceInfo",
    "NTRVSelectVideoSource",
    "NTRVMotionVideo",
    "NTRVStillVideo",
    "NTRVHideVideo",
    "NTRVSetVideoPosition",
    "NTRVSetZOrder",
    "NTRVSetVideoCaption",
    "NTRVSetZoom",
    "NTRVSetBrightness",
    "NTRVSetContrast",
    "NTRVSetSaturation",
    "NTRVSetHue",
    "NTRVColorKey",
    "NTRVInsertionMode",
};

// An open succeeds when it gives a handle: -1 is the library's failure, and
// 0 is refused as well, since 0 marks an empty connection slot.
inline bool OpenSucceeded(int32_t handle) {
  return handle != kInvalidHandle && handle != 0;
}

// A call succeeds when the low byte of its result is 1.
inline bool CallSucceeded(int32_t result) {
  return (result & 0xFF) == 1;
}
