#include "ntrv_calls.h"

#include <cstring>

#include "core/bounded_text.h"

namespace rvsim {
namespace {

int SourceCountByte(const Simulator& sim) {
  const int count = sim.server.SourceCount();
  return count > 255 ? 255 : count;
}

// The byte settings (picture, insertion mode) share one shape: store it in the window.
template <typename Member>
int32_t StoreByte(Simulator& sim, Owner owner, const char* function, int32_t handle, uint8_t value,
                  Member member) {
  return ServeWindowCall(
      sim, owner, function, handle,
      [&] {
        return Numbers({handle, value});
      },
      [&](Simulator&, RvSimWindow& window) {
        window.*member = value;
        return 1;
      });
}

// Position and zoom share one shape: four coordinates stored in the window.
int32_t StoreRect(Simulator& sim, Owner owner, const char* function, int32_t handle,
                  const int16_t (&rect)[4], int16_t RvSimWindow::*const (&fields)[4]) {
  return ServeWindowCall(
      sim, owner, function, handle,
      [&] {
        return Numbers({handle, rect[0], rect[1], rect[2], rect[3]});
      },
      [&](Simulator&, RvSimWindow& window) {
        for (int i = 0; i < 4; ++i) window.*fields[i] = rect[i];
        return 1;
      });
}

}  // namespace

int32_t CallOpen(Simulator& sim, Owner owner, const char* hostName) {
  return ServeCall(
      sim, "NTRVOpenVideoConnection", [&] { return QuoteText(hostName); },
      [&](Simulator& s) {
        const int32_t handle = s.server.Open(hostName, owner);
        if (handle != -1) ++s.revision;
        return handle;
      });
}

int32_t CallClose(Simulator& sim, Owner owner, int32_t handle) {
  return ServeWindowCall(
      sim, owner, "NTRVCloseVideoConnection", handle, [&] { return Numbers({handle}); },
      [&](Simulator& s, RvSimWindow&) { return s.server.Close(handle, owner) ? 1 : 0; });
}

int32_t CallGetNumSources(Simulator& sim, Owner owner, int32_t handle, uint8_t* count) {
  return ServeWindowCall(
      sim, owner, "NTRVGetNumVideoSources", handle, [&] { return Numbers({handle}); },
      [&](Simulator& s, RvSimWindow&) {
        if (count == nullptr) return 0;
        *count = static_cast<uint8_t>(SourceCountByte(s));
        return 1;
      });
}

int32_t CallGetSourceInfo(Simulator& sim, Owner owner, int32_t handle, uint8_t index,
                          VideoSourceInfo* info) {
  return ServeWindowCall(
      sim, owner, "NTRVGetVideoSourceInfo", handle,
      [&] {
        return Numbers({handle, index});
      },
      [&](Simulator& s, RvSimWindow&) {
        if (info == nullptr || index >= SourceCountByte(s)) return 0;
        const SourceEntry& source = s.server.Source(index);
        std::memset(info, 0, sizeof *info);
        info->id = source.id;
        vpi::CopyTextIfFits(info->name, sizeof info->name, source.name.c_str());
        return 1;
      });
}

int32_t CallSelectSource(Simulator& sim, Owner owner, int32_t handle, int32_t sourceId) {
  return ServeWindowCall(
      sim, owner, "NTRVSelectVideoSource", handle,
      [&] {
        return Numbers({handle, sourceId});
      },
      [&](Simulator& s, RvSimWindow& window) {
        const SourceEntry* source = s.server.SourceById(sourceId);
        if (source == nullptr) return 0;
        window.sourceId = source->id;
        vpi::CopyTextIfFits(window.sourceName, sizeof window.sourceName, source->name.c_str());
        return 1;
      });
}

int32_t CallMotion(Simulator& sim, Owner owner, int32_t handle) {
  return ServeWindowCall(
      sim, owner, "NTRVMotionVideo", handle, [&] { return Numbers({handle}); },
      [&](Simulator&, RvSimWindow& window) {
        if (window.sourceId == -1) return 0;
        window.state = RVSIM_LIVE;
        return 1;
      });
}

// Freezes the picture a window shows; a hidden window has none to freeze.
int32_t CallStill(Simulator& sim, Owner owner, int32_t handle) {
  return ServeWindowCall(
      sim, owner, "NTRVStillVideo", handle, [&] { return Numbers({handle}); },
      [&](Simulator&, RvSimWindow& window) {
        if (window.state == RVSIM_HIDDEN) return 0;
        window.state = RVSIM_STILL;
        return 1;
      });
}

int32_t CallHide(Simulator& sim, Owner owner, int32_t handle) {
  return ServeWindowCall(
      sim, owner, "NTRVHideVideo", handle, [&] { return Numbers({handle}); },
      [&](Simulator&, RvSimWindow& window) {
        window.state = RVSIM_HIDDEN;
        return 1;
      });
}

int32_t CallSetPosition(Simulator& sim, Owner owner, int32_t handle, int16_t x, int16_t y,
                        int16_t width, int16_t height) {
  static int16_t RvSimWindow::*const fields[4] = {&RvSimWindow::x, &RvSimWindow::y,
                                                  &RvSimWindow::width, &RvSimWindow::height};
  return StoreRect(sim, owner, "NTRVSetVideoPosition", handle, {x, y, width, height}, fields);
}

int32_t CallSetZOrder(Simulator& sim, Owner owner, int32_t handle, int32_t zOrder) {
  return ServeWindowCall(
      sim, owner, "NTRVSetZOrder", handle,
      [&] {
        return Numbers({handle, zOrder});
      },
      [&](Simulator&, RvSimWindow& window) {
        window.zOrder = zOrder;
        return 1;
      });
}

// A caption that does not fit the window's title is refused, not cut.
int32_t CallSetCaption(Simulator& sim, Owner owner, int32_t handle, const char* caption) {
  const auto arguments = [&] { return Numbers({handle}) + "," + QuoteText(caption); };
  return ServeWindowCall(
      sim, owner, "NTRVSetVideoCaption", handle, arguments, [&](Simulator&, RvSimWindow& window) {
        if (caption == nullptr) return false;
        return vpi::CopyTextIfFits(window.caption, sizeof window.caption, caption);
      });
}

int32_t CallSetZoom(Simulator& sim, Owner owner, int32_t handle, int16_t x, int16_t y,
                    int16_t width, int16_t height) {
  static int16_t RvSimWindow::*const fields[4] = {
      &RvSimWindow::zoomX, &RvSimWindow::zoomY, &RvSimWindow::zoomWidth, &RvSimWindow::zoomHeight};
  return StoreRect(sim, owner, "NTRVSetZoom", handle, {x, y, width, height}, fields);
}

int32_t CallSetBrightness(Simulator& sim, Owner owner, int32_t handle, uint8_t value) {
  return StoreByte(sim, owner, "NTRVSetBrightness", handle, value, &RvSimWindow::brightness);
}

int32_t CallSetContrast(Simulator& sim, Owner owner, int32_t handle, uint8_t value) {
  return StoreByte(sim, owner, "NTRVSetContrast", handle, value, &RvSimWindow::contrast);
}

int32_t CallSetSaturation(Simulator& sim, Owner owner, int32_t handle, uint8_t value) {
  return StoreByte(sim, owner, "NTRVSetSaturation", handle, value, &RvSimWindow::saturation);
}

int32_t CallSetHue(Simulator& sim, Owner owner, int32_t handle, uint8_t value) {
  return StoreByte(sim, owner, "NTRVSetHue", handle, value, &RvSimWindow::hue);
}

int32_t CallColorKey(Simulator& sim, Owner owner, int32_t handle, int32_t color) {
  return ServeWindowCall(
      sim, owner, "NTRVColorKey", handle,
      [&] {
        return Numbers({handle, color});
      },
      [&](Simulator&, RvSimWindow& window) {
        window.colorKey = color;
        return 1;
      });
}

int32_t CallInsertionMode(Simulator& sim, Owner owner, int32_t handle, uint8_t mode) {
  return StoreByte(sim, owner, "NTRVInsertionMode", handle, mode, &RvSimWindow::insertionMode);
}

int CloseOwner(Simulator& sim, Owner owner) {
  std::lock_guard<std::mutex> lock(sim.mutex);
  const int closed = sim.server.CloseAllOf(owner);
  if (closed > 0) ++sim.revision;
  return closed;
}

}  // namespace rvsim
