#include "video_library_api.h"

#include <cstdlib>

#include "platform/platform.h"

namespace simtest {
namespace {

template <typename Fn>
void Bind(vpi::platform::LibraryHandle library, int index, Fn* target) {
  void* symbol = vpi::platform::LibrarySymbol(library, kVideoFunctionNames[index]);
  if (symbol == nullptr) std::abort();
  *target = reinterpret_cast<Fn>(symbol);
}

VideoLibraryApi Load() {
  vpi::platform::LibraryHandle library =
      vpi::platform::OpenLibrary(vpi::platform::VideoLibraryFileName(), nullptr);
  if (library == nullptr) std::abort();
  VideoLibraryApi api{};
  int i = 0;
  Bind(library, i++, &api.open);
  Bind(library, i++, &api.close);
  Bind(library, i++, &api.numSources);
  Bind(library, i++, &api.sourceInfo);
  Bind(library, i++, &api.select);
  Bind(library, i++, &api.motion);
  Bind(library, i++, &api.still);
  Bind(library, i++, &api.hide);
  Bind(library, i++, &api.position);
  Bind(library, i++, &api.zOrder);
  Bind(library, i++, &api.caption);
  Bind(library, i++, &api.zoom);
  Bind(library, i++, &api.brightness);
  Bind(library, i++, &api.contrast);
  Bind(library, i++, &api.saturation);
  Bind(library, i++, &api.hue);
  Bind(library, i++, &api.colorKey);
  Bind(library, i++, &api.insertionMode);
  return api;
}

}  // namespace

const VideoLibraryApi& Api() {
  static const VideoLibraryApi api = Load();
  return api;
}

RvSimWindow SimulatorTest::WindowOf(int32_t handle) {
  RvSimWindow windows[32];
  const int open = RvSimWall(windows, 32);
  for (int i = 0; i < open && i < 32; ++i) {
    if (windows[i].handle == handle) return windows[i];
  }
  ADD_FAILURE() << "no window for handle " << handle;
  return RvSimWindow{};
}

std::vector<std::string> SimulatorTest::TraceLines() {
  std::vector<std::string> lines;
  std::istringstream text(RvSimTrace());
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

}  // namespace simtest
