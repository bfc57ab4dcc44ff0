#include "wall_model.h"

#include <cstdio>
#include <sstream>

#include "block_view.h"

namespace vpihost {
namespace {

void NameWindow(const DriverData* data, WallWindow* window) {
  window->label = "h" + std::to_string(window->sim.handle);
  if (data == nullptr || window->sim.handle == 0) return;
  for (int w = 0; w < kConnectionSlots; ++w) {
    if (data->connections[w] != window->sim.handle) continue;
    window->label = "W" + std::to_string(w + 1);
    if (w >= kWindowRows) return;
    window->driverRegions = 0;
    for (int r = 0; r < kRegionCount; ++r) {
      if (data->regionMap[w][r] != 0) window->driverRegions |= 1 << r;
    }
    return;
  }
}

const char* StateName(int32_t state) {
  switch (state) {
    case RVSIM_LIVE:
      return "live";
    case RVSIM_STILL:
      return "still";
    case RVSIM_HIDDEN:
      return "hidden";
    default:
      return "?";
  }
}

std::string RegionBits(int bits) {
  if (bits < 0) return "not a driver window";
  if (bits == 0) return "driver regions none";
  std::string list = "driver regions ";
  bool first = true;
  for (int r = 0; r < kRegionCount; ++r) {
    if ((bits & (1 << r)) == 0) continue;
    list += (first ? "" : ",") + std::to_string(r);
    first = false;
  }
  return list;
}

void DescribePicture(const RvSimWindow& s, std::ostream& out) {
  if (s.zoomWidth != 0 || s.zoomHeight != 0) {
    out << "  zoom " << s.zoomX << "," << s.zoomY << " " << s.zoomWidth << "x" << s.zoomHeight;
  }
  if (s.colorKey != 0) {
    char key[16];
    std::snprintf(key, sizeof key, "0x%06X", static_cast<unsigned>(s.colorKey));
    out << "  key " << key;
  }
  const bool simulatorDefaults =
      s.brightness == 128 && s.contrast == 128 && s.saturation == 128 && s.hue == 0;
  if (!simulatorDefaults) {
    out << "  picture b" << int{s.brightness} << " c" << int{s.contrast} << " s"
        << int{s.saturation} << " h" << int{s.hue};
  }
  if (s.insertionMode != 0) out << "  mode " << int{s.insertionMode};
}

}  // namespace

std::vector<WallWindow> CollectWall(const SimulatorControls& sim, const DriverData* data) {
  std::vector<WallWindow> windows;
  if (sim.wall == nullptr) return windows;
  RvSimWindow raw[kWallCapacity] = {};
  int open = sim.wall(raw, kWallCapacity);
  if (open > kWallCapacity) open = kWallCapacity;
  for (int i = 0; i < open; ++i) {
    WallWindow window;
    window.sim = raw[i];
    NameWindow(data, &window);
    windows.push_back(window);
  }
  return windows;
}

std::string DescribeWallWindows(const std::vector<WallWindow>& windows) {
  std::ostringstream out;
  if (windows.empty()) out << "  no connection is open: the wall is dark\n";
  for (const WallWindow& w : windows) {
    const RvSimWindow& s = w.sim;
    char head[32];
    std::snprintf(head, sizeof head, "  %-4s %-6s ", w.label.c_str(), StateName(s.state));
    out << head;
    if (s.sourceId == -1) {
      out << "no source  [" << RegionBits(w.driverRegions) << "]\n";
      continue;
    }
    out << FieldText(s.sourceName, sizeof s.sourceName) << " (id " << s.sourceId << ")";
    out << "  at " << s.x << "," << s.y << " " << s.width << "x" << s.height << "  z " << s.zOrder;
    if (s.caption[0] != '\0') {
      out << "  caption \"" << FieldText(s.caption, sizeof s.caption) << "\"";
    }
    DescribePicture(s, out);
    out << "  [" << RegionBits(w.driverRegions) << "]\n";
  }
  return out.str();
}

}  // namespace vpihost
