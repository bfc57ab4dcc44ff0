// The library calls: each one is the model's call on the process's simulator,
// with every window owned by the process itself.
#include "ntrv_exports.h"

#include <type_traits>

#include "local_simulator.h"
#include "ntrv_calls.h"

namespace {

template <typename Expected, typename Actual>
constexpr bool Matches(Actual) {
  return std::is_same_v<Expected, Actual>;
}
static_assert(Matches<OpenVideoConnectionFn>(&NTRVOpenVideoConnection));
static_assert(Matches<CloseVideoConnectionFn>(&NTRVCloseVideoConnection));
static_assert(Matches<GetNumVideoSourcesFn>(&NTRVGetNumVideoSources));
static_assert(Matches<GetVideoSourceInfoFn>(&NTRVGetVideoSourceInfo));
static_assert(Matches<SelectVideoSourceFn>(&NTRVSelectVideoSource));
static_assert(Matches<MotionVideoFn>(&NTRVMotionVideo));
static_assert(Matches<StillVideoFn>(&NTRVStillVideo));
static_assert(Matches<HideVideoFn>(&NTRVHideVideo));
static_assert(Matches<SetVideoPositionFn>(&NTRVSetVideoPosition));
static_assert(Matches<SetZOrderFn>(&NTRVSetZOrder));
static_assert(Matches<SetVideoCaptionFn>(&NTRVSetVideoCaption));
static_assert(Matches<SetZoomFn>(&NTRVSetZoom));
static_assert(Matches<SetPictureFn>(&NTRVSetBrightness));
static_assert(Matches<SetPictureFn>(&NTRVSetContrast));
static_assert(Matches<SetPictureFn>(&NTRVSetSaturation));
static_assert(Matches<SetPictureFn>(&NTRVSetHue));
static_assert(Matches<ColorKeyFn>(&NTRVColorKey));
static_assert(Matches<InsertionModeFn>(&NTRVInsertionMode));

using rvsim::kLocalOwner;
using rvsim::TheSimulator;

}  // namespace

extern "C" {

int32_t VPI_STDCALL NTRVOpenVideoConnection(const char* hostName) {
  return rvsim::CallOpen(TheSimulator(), kLocalOwner, hostName);
}

int32_t VPI_STDCALL NTRVCloseVideoConnection(int32_t handle) {
  return rvsim::CallClose(TheSimulator(), kLocalOwner, handle);
}

int32_t VPI_STDCALL NTRVGetNumVideoSources(int32_t handle, uint8_t* count) {
  return rvsim::CallGetNumSources(TheSimulator(), kLocalOwner, handle, count);
}

int32_t VPI_STDCALL NTRVGetVideoSourceInfo(int32_t handle, uint8_t index, VideoSourceInfo* info) {
  return rvsim::CallGetSourceInfo(TheSimulator(), kLocalOwner, handle, index, info);
}

int32_t VPI_STDCALL NTRVSelectVideoSource(int32_t handle, int32_t sourceId) {
  return rvsim::CallSelectSource(TheSimulator(), kLocalOwner, handle, sourceId);
}

int32_t VPI_STDCALL NTRVMotionVideo(int32_t handle) {
  return rvsim::CallMotion(TheSimulator(), kLocalOwner, handle);
}

int32_t VPI_STDCALL NTRVStillVideo(int32_t handle) {
  return rvsim::CallStill(TheSimulator(), kLocalOwner, handle);
}

int32_t VPI_STDCALL NTRVHideVideo(int32_t handle) {
  return rvsim::CallHide(TheSimulator(), kLocalOwner, handle);
}

int32_t VPI_STDCALL NTRVSetVideoPosition(int32_t handle, int16_t x, int16_t y, int16_t width,
                                         int16_t height) {
  return rvsim::CallSetPosition(TheSimulator(), kLocalOwner, handle, x, y, width, height);
}

int32_t VPI_STDCALL NTRVSetZOrder(int32_t handle, int32_t zOrder) {
  return rvsim::CallSetZOrder(TheSimulator(), kLocalOwner, handle, zOrder);
}

int32_t VPI_STDCALL NTRVSetVideoCaption(int32_t handle, const char* caption) {
  return rvsim::CallSetCaption(TheSimulator(), kLocalOwner, handle, caption);
}

int32_t VPI_STDCALL NTRVSetZoom(int32_t handle, int16_t x, int16_t y, int16_t width,
                                int16_t height) {
  return rvsim::CallSetZoom(TheSimulator(), kLocalOwner, handle, x, y, width, height);
}

int32_t VPI_STDCALL NTRVSetBrightness(int32_t handle, uint8_t value) {
  return rvsim::CallSetBrightness(TheSimulator(), kLocalOwner, handle, value);
}

int32_t VPI_STDCALL NTRVSetContrast(int32_t handle, uint8_t value) {
  return rvsim::CallSetContrast(TheSimulator(), kLocalOwner, handle, value);
}

int32_t VPI_STDCALL NTRVSetSaturation(int32_t handle, uint8_t value) {
  return rvsim::CallSetSaturation(TheSimulator(), kLocalOwner, handle, value);
}

int32_t VPI_STDCALL NTRVSetHue(int32_t handle, uint8_t value) {
  return rvsim::CallSetHue(TheSimulator(), kLocalOwner, handle, value);
}

int32_t VPI_STDCALL NTRVColorKey(int32_t handle, int32_t color) {
  return rvsim::CallColorKey(TheSimulator(), kLocalOwner, handle, color);
}

int32_t VPI_STDCALL NTRVInsertionMode(int32_t handle, uint8_t mode) {
  return rvsim::CallInsertionMode(TheSimulator(), kLocalOwner, handle, mode);
}

}  // extern "C"
