// The library calls: each one passes the simulator's gate (count, fault,
// trace) and then does its work on the server.
#include "ntrv_exports.h"

#include <cstring>
#include <type_traits>

#include "core/bounded_text.h"
#include "simulator.h"

namespace {

using rvsim::Numbers;
using rvsim::ServeCall;
using rvsim::ServeWindowCall;
using rvsim::Simulator;

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

int SourceCountByte(const Simulator& sim) {
  const int count = sim.server.SourceCount();
  return count > 255 ? 255 : count;
}

// The byte settings (picture, insertion mode) share one shape: store it in the window.
template <typename Member>
int32_t StoreByte(const char* function, int32_t handle, uint8_t value, Member member) {
  return ServeWindowCall(
      function, handle,
      [&] {
        return Numbers({handle, value});
      },
      [&](Simulator&, RvSimWindow& window) {
        window.*member = value;
        return 1;
      });
}

}  // namespace

extern "C" {

int32_t VPI_STDCALL NTRVOpenVideoConnection(const char* hostName) {
  return ServeCall(
      "NTRVOpenVideoConnection", [&] { return rvsim::QuoteText(hostName); },
      [&](Simulator& sim) { return sim.server.Open(hostName); });
}

int32_t VPI_STDCALL NTRVCloseVideoConnection(int32_t handle) {
  return ServeWindowCall(
      "NTRVCloseVideoConnection", handle, [&] { return Numbers({handle}); },
      [&](Simulator& sim, RvSimWindow&) { return sim.server.Close(handle); });
}

int32_t VPI_STDCALL NTRVGetNumVideoSources(int32_t handle, uint8_t* count) {
  return ServeWindowCall(
      "NTRVGetNumVideoSources", handle, [&] { return Numbers({handle}); },
      [&](Simulator& sim, RvSimWindow&) {
        if (count == nullptr) return 0;
        *count = static_cast<uint8_t>(SourceCountByte(sim));
        return 1;
      });
}

int32_t VPI_STDCALL NTRVGetVideoSourceInfo(int32_t handle, uint8_t index, VideoSourceInfo* info) {
  return ServeWindowCall(
      "NTRVGetVideoSourceInfo", handle,
      [&] {
        return Numbers({handle, index});
      },
      [&](Simulator& sim, RvSimWindow&) {
        if (info == nullptr || index >= SourceCountByte(sim)) return 0;
        const rvsim::SourceEntry& source = sim.server.Source(index);
        std::memset(info, 0, sizeof *info);
        info->id = source.id;
        vpi::CopyTextIfFits(info->name, sizeof info->name, source.name.c_str());
        return 1;
      });
}

int32_t VPI_STDCALL NTRVSelectVideoSource(int32_t handle, int32_t sourceId) {
  return ServeWindowCall(
      "NTRVSelectVideoSource", handle,
      [&] {
        return Numbers({handle, sourceId});
      },
      [&](Simulator& sim, RvSimWindow& window) {
        const rvsim::SourceEntry* source = sim.server.SourceById(sourceId);
        if (source == nullptr) return 0;
        window.sourceId = source->id;
        vpi::CopyTextIfFits(window.sourceName, sizeof window.sourceName, source->name.c_str());
        return 1;
      });
}

int32_t VPI_STDCALL NTRVMotionVideo(int32_t handle) {
  return ServeWindowCall(
      "NTRVMotionVideo", handle, [&] { return Numbers({handle}); },
      [&](Simulator&, RvSimWindow& window) {
        if (window.sourceId == -1) return 0;
        window.state = RVSIM_LIVE;
        return 1;
      });
}

// Freezes the picture a window shows; a hidden window has none to freeze.
int32_t VPI_STDCALL NTRVStillVideo(int32_t handle) {
  return ServeWindowCall(
      "NTRVStillVideo", handle, [&] { return Numbers({handle}); },
      [&](Simulator&, RvSimWindow& window) {
        if (window.state == RVSIM_HIDDEN) return 0;
        window.state = RVSIM_STILL;
        return 1;
      });
}

int32_t VPI_STDCALL NTRVHideVideo(int32_t handle) {
  return ServeWindowCall(
      "NTRVHideVideo", handle, [&] { return Numbers({handle}); },
      [&](Simulator&, RvSimWindow& window) {
        window.state = RVSIM_HIDDEN;
        return 1;
      });
}

int32_t VPI_STDCALL NTRVSetVideoPosition(int32_t handle, int16_t x, int16_t y, int16_t width,
                                         int16_t height) {
  return ServeWindowCall(
      "NTRVSetVideoPosition", handle,
      [&] {
        return Numbers({handle, x, y, width, height});
      },
      [&](Simulator&, RvSimWindow& window) {
        window.x = x;
        window.y = y;
        window.width = width;
        window.height = height;
        return 1;
      });
}

int32_t VPI_STDCALL NTRVSetZOrder(int32_t handle, int32_t zOrder) {
  return ServeWindowCall(
      "NTRVSetZOrder", handle,
      [&] {
        return Numbers({handle, zOrder});
      },
      [&](Simulator&, RvSimWindow& window) {
        window.zOrder = zOrder;
        return 1;
      });
}

// A caption that does not fit the window's title is refused, not cut.
int32_t VPI_STDCALL NTRVSetVideoCaption(int32_t handle, const char* caption) {
  const auto arguments = [&] { return Numbers({handle}) + "," + rvsim::QuoteText(caption); };
  return ServeWindowCall(
      "NTRVSetVideoCaption", handle, arguments, [&](Simulator&, RvSimWindow& window) {
        if (caption == nullptr) return false;
        return vpi::CopyTextIfFits(window.caption, sizeof window.caption, caption);
      });
}

int32_t VPI_STDCALL NTRVSetZoom(int32_t handle, int16_t x, int16_t y, int16_t width,
                                int16_t height) {
  return ServeWindowCall(
      "NTRVSetZoom", handle,
      [&] {
        return Numbers({handle, x, y, width, height});
      },
      [&](Simulator&, RvSimWindow& window) {
        window.zoomX = x;
        window.zoomY = y;
        window.zoomWidth = width;
        window.zoomHeight = height;
        return 1;
      });
}

int32_t VPI_STDCALL NTRVSetBrightness(int32_t handle, uint8_t value) {
  return StoreByte("NTRVSetBrightness", handle, value, &RvSimWindow::brightness);
}

int32_t VPI_STDCALL NTRVSetContrast(int32_t handle, uint8_t value) {
  return StoreByte("NTRVSetContrast", handle, value, &RvSimWindow::contrast);
}

int32_t VPI_STDCALL NTRVSetSaturation(int32_t handle, uint8_t value) {
  return StoreByte("NTRVSetSaturation", handle, value, &RvSimWindow::saturation);
}

int32_t VPI_STDCALL NTRVSetHue(int32_t handle, uint8_t value) {
  return StoreByte("NTRVSetHue", handle, value, &RvSimWindow::hue);
}

int32_t VPI_STDCALL NTRVColorKey(int32_t handle, int32_t color) {
  return ServeWindowCall(
      "NTRVColorKey", handle,
      [&] {
        return Numbers({handle, color});
      },
      [&](Simulator&, RvSimWindow& window) {
        window.colorKey = color;
        return 1;
      });
}

int32_t VPI_STDCALL NTRVInsertionMode(int32_t handle, uint8_t mode) {
  return StoreByte("NTRVInsertionMode", handle, mode, &RvSimWindow::insertionMode);
}

}  // extern "C"
