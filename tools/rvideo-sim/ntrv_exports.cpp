// The library calls: a host name that goes to the network opens a connection
// there, and the calls on its handle go to that server; every other call is
// the model's call on the process's simulator, with every window owned by the
// process itself.
#include "ntrv_exports.h"

#include <cstring>
#include <type_traits>

#include "core/bounded_text.h"
#include "local_simulator.h"
#include "ntrv_calls.h"
#include "remote_calls.h"

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

using rvsim::CallOf;
using rvsim::FunctionNumber;
using rvsim::kLocalOwner;
using rvsim::MayBeNetworkHandle;
using rvsim::RemoteCall;
using rvsim::TheSimulator;

// `call` on a network handle: true with its result in `*result`.
bool Remote(int32_t handle, const rvproto::CallRequest& call, int32_t* result,
            rvproto::CallAnswer* answer) {
  if (!RemoteCall(handle, call, answer)) return false;
  *result = answer->result;
  return true;
}

// The calls that take the handle alone.
bool RemoteOnHandle(const char* function, int32_t handle, int32_t* result) {
  rvproto::CallAnswer answer;
  return MayBeNetworkHandle(handle) &&
         Remote(handle, CallOf(FunctionNumber(function)), result, &answer);
}

// The calls that take one number (source id, z-order, colour key).
bool RemoteWithValue(const char* function, int32_t handle, int32_t value, int32_t* result) {
  if (!MayBeNetworkHandle(handle)) return false;
  rvproto::CallRequest call = CallOf(FunctionNumber(function));
  call.value = value;
  rvproto::CallAnswer answer;
  return Remote(handle, call, result, &answer);
}

// The calls that take one byte (picture settings, insertion mode).
bool RemoteWithByte(const char* function, int32_t handle, uint8_t value, int32_t* result) {
  if (!MayBeNetworkHandle(handle)) return false;
  rvproto::CallRequest call = CallOf(FunctionNumber(function));
  call.byte = value;
  rvproto::CallAnswer answer;
  return Remote(handle, call, result, &answer);
}

// Position and zoom.
bool RemoteWithRect(const char* function, int32_t handle, int16_t x, int16_t y, int16_t width,
                    int16_t height, int32_t* result) {
  if (!MayBeNetworkHandle(handle)) return false;
  rvproto::CallRequest call = CallOf(FunctionNumber(function));
  call.rect[0] = x;
  call.rect[1] = y;
  call.rect[2] = width;
  call.rect[3] = height;
  rvproto::CallAnswer answer;
  return Remote(handle, call, result, &answer);
}

}  // namespace

extern "C" {

int32_t VPI_STDCALL NTRVOpenVideoConnection(const char* hostName) {
  const rvsim::ServerRoute route = rvsim::RouteFor(hostName);
  if (route.network) return rvsim::RemoteOpen(route);
  return rvsim::CallOpen(TheSimulator(), kLocalOwner, hostName);
}

int32_t VPI_STDCALL NTRVCloseVideoConnection(int32_t handle) {
  int32_t result = 0;
  if (RemoteOnHandle("NTRVCloseVideoConnection", handle, &result)) return result;
  return rvsim::CallClose(TheSimulator(), kLocalOwner, handle);
}

int32_t VPI_STDCALL NTRVGetNumVideoSources(int32_t handle, uint8_t* count) {
  if (MayBeNetworkHandle(handle)) {
    rvproto::CallRequest call = CallOf(FunctionNumber("NTRVGetNumVideoSources"));
    call.hasOut = count != nullptr;
    rvproto::CallAnswer answer;
    int32_t result = 0;
    if (Remote(handle, call, &result, &answer)) {
      if (count != nullptr && result == 1) *count = answer.count;
      return result;
    }
  }
  return rvsim::CallGetNumSources(TheSimulator(), kLocalOwner, handle, count);
}

int32_t VPI_STDCALL NTRVGetVideoSourceInfo(int32_t handle, uint8_t index, VideoSourceInfo* info) {
  if (MayBeNetworkHandle(handle)) {
    rvproto::CallRequest call = CallOf(FunctionNumber("NTRVGetVideoSourceInfo"));
    call.byte = index;
    call.hasOut = info != nullptr;
    rvproto::CallAnswer answer;
    int32_t result = 0;
    if (Remote(handle, call, &result, &answer)) {
      if (info != nullptr && result == 1) {
        std::memset(info, 0, sizeof *info);
        info->id = answer.sourceId;
        vpi::CopyTextIfFits(info->name, sizeof info->name, answer.sourceName.c_str());
      }
      return result;
    }
  }
  return rvsim::CallGetSourceInfo(TheSimulator(), kLocalOwner, handle, index, info);
}

int32_t VPI_STDCALL NTRVSelectVideoSource(int32_t handle, int32_t sourceId) {
  int32_t result = 0;
  if (RemoteWithValue("NTRVSelectVideoSource", handle, sourceId, &result)) return result;
  return rvsim::CallSelectSource(TheSimulator(), kLocalOwner, handle, sourceId);
}

int32_t VPI_STDCALL NTRVMotionVideo(int32_t handle) {
  int32_t result = 0;
  if (RemoteOnHandle("NTRVMotionVideo", handle, &result)) return result;
  return rvsim::CallMotion(TheSimulator(), kLocalOwner, handle);
}

int32_t VPI_STDCALL NTRVStillVideo(int32_t handle) {
  int32_t result = 0;
  if (RemoteOnHandle("NTRVStillVideo", handle, &result)) return result;
  return rvsim::CallStill(TheSimulator(), kLocalOwner, handle);
}

int32_t VPI_STDCALL NTRVHideVideo(int32_t handle) {
  int32_t result = 0;
  if (RemoteOnHandle("NTRVHideVideo", handle, &result)) return result;
  return rvsim::CallHide(TheSimulator(), kLocalOwner, handle);
}

int32_t VPI_STDCALL NTRVSetVideoPosition(int32_t handle, int16_t x, int16_t y, int16_t width,
                                         int16_t height) {
  int32_t result = 0;
  if (RemoteWithRect("NTRVSetVideoPosition", handle, x, y, width, height, &result)) return result;
  return rvsim::CallSetPosition(TheSimulator(), kLocalOwner, handle, x, y, width, height);
}

int32_t VPI_STDCALL NTRVSetZOrder(int32_t handle, int32_t zOrder) {
  int32_t result = 0;
  if (RemoteWithValue("NTRVSetZOrder", handle, zOrder, &result)) return result;
  return rvsim::CallSetZOrder(TheSimulator(), kLocalOwner, handle, zOrder);
}

int32_t VPI_STDCALL NTRVSetVideoCaption(int32_t handle, const char* caption) {
  if (MayBeNetworkHandle(handle)) {
    rvproto::CallRequest call = CallOf(FunctionNumber("NTRVSetVideoCaption"));
    call.hasText = caption != nullptr;
    if (caption != nullptr) call.text.assign(caption, ::strnlen(caption, rvproto::kMaxCallText));
    rvproto::CallAnswer answer;
    int32_t result = 0;
    if (Remote(handle, call, &result, &answer)) return result;
  }
  return rvsim::CallSetCaption(TheSimulator(), kLocalOwner, handle, caption);
}

int32_t VPI_STDCALL NTRVSetZoom(int32_t handle, int16_t x, int16_t y, int16_t width,
                                int16_t height) {
  int32_t result = 0;
  if (RemoteWithRect("NTRVSetZoom", handle, x, y, width, height, &result)) return result;
  return rvsim::CallSetZoom(TheSimulator(), kLocalOwner, handle, x, y, width, height);
}

int32_t VPI_STDCALL NTRVSetBrightness(int32_t handle, uint8_t value) {
  int32_t result = 0;
  if (RemoteWithByte("NTRVSetBrightness", handle, value, &result)) return result;
  return rvsim::CallSetBrightness(TheSimulator(), kLocalOwner, handle, value);
}

int32_t VPI_STDCALL NTRVSetContrast(int32_t handle, uint8_t value) {
  int32_t result = 0;
  if (RemoteWithByte("NTRVSetContrast", handle, value, &result)) return result;
  return rvsim::CallSetContrast(TheSimulator(), kLocalOwner, handle, value);
}

int32_t VPI_STDCALL NTRVSetSaturation(int32_t handle, uint8_t value) {
  int32_t result = 0;
  if (RemoteWithByte("NTRVSetSaturation", handle, value, &result)) return result;
  return rvsim::CallSetSaturation(TheSimulator(), kLocalOwner, handle, value);
}

int32_t VPI_STDCALL NTRVSetHue(int32_t handle, uint8_t value) {
  int32_t result = 0;
  if (RemoteWithByte("NTRVSetHue", handle, value, &result)) return result;
  return rvsim::CallSetHue(TheSimulator(), kLocalOwner, handle, value);
}

int32_t VPI_STDCALL NTRVColorKey(int32_t handle, int32_t color) {
  int32_t result = 0;
  if (RemoteWithValue("NTRVColorKey", handle, color, &result)) return result;
  return rvsim::CallColorKey(TheSimulator(), kLocalOwner, handle, color);
}

int32_t VPI_STDCALL NTRVInsertionMode(int32_t handle, uint8_t mode) {
  int32_t result = 0;
  if (RemoteWithByte("NTRVInsertionMode", handle, mode, &result)) return result;
  return rvsim::CallInsertionMode(TheSimulator(), kLocalOwner, handle, mode);
}

}  // extern "C"
