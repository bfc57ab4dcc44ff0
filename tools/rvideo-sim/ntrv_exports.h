// The eighteen functions of the vendor's video library as the simulator
// exports them. On 32-bit Windows they are stdcall and exported under their
// bare names (rvideo.def); load them by name, as the driver does.
#pragma once

#include <stdint.h>

#include "core/video_library.h"
#include "platform/abi.h"

extern "C" {

VPI_EXPORT int32_t VPI_STDCALL NTRVOpenVideoConnection(const char* hostName);
VPI_EXPORT int32_t VPI_STDCALL NTRVCloseVideoConnection(int32_t handle);
VPI_EXPORT int32_t VPI_STDCALL NTRVGetNumVideoSources(int32_t handle, uint8_t* count);
VPI_EXPORT int32_t VPI_STDCALL NTRVGetVideoSourceInfo(int32_t handle, uint8_t index,
                                                      VideoSourceInfo* info);
VPI_EXPORT int32_t VPI_STDCALL NTRVSelectVideoSource(int32_t handle, int32_t sourceId);
VPI_EXPORT int32_t VPI_STDCALL NTRVMotionVideo(int32_t handle);
VPI_EXPORT int32_t VPI_STDCALL NTRVStillVideo(int32_t handle);
VPI_EXPORT int32_t VPI_STDCALL NTRVHideVideo(int32_t handle);
VPI_EXPORT int32_t VPI_STDCALL NTRVSetVideoPosition(int32_t handle, int16_t x, int16_t y,
                                                    int16_t width, int16_t height);
VPI_EXPORT int32_t VPI_STDCALL NTRVSetZOrder(int32_t handle, int32_t zOrder);
VPI_EXPORT int32_t VPI_STDCALL NTRVSetVideoCaption(int32_t handle, const char* caption);
VPI_EXPORT int32_t VPI_STDCALL NTRVSetZoom(int32_t handle, int16_t x, int16_t y, int16_t width,
                                           int16_t height);
VPI_EXPORT int32_t VPI_STDCALL NTRVSetBrightness(int32_t handle, uint8_t value);
VPI_EXPORT int32_t VPI_STDCALL NTRVSetContrast(int32_t handle, uint8_t value);
VPI_EXPORT int32_t VPI_STDCALL NTRVSetSaturation(int32_t handle, uint8_t value);
VPI_EXPORT int32_t VPI_STDCALL NTRVSetHue(int32_t handle, uint8_t value);
VPI_EXPORT int32_t VPI_STDCALL NTRVColorKey(int32_t handle, int32_t color);
VPI_EXPORT int32_t VPI_STDCALL NTRVInsertionMode(int32_t handle, uint8_t mode);

}  // extern "C"
