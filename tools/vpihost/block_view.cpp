#include "block_view.h"

#include <cstdio>
#include <cstring>
#include <sstream>

#include "core/video_library.h"

namespace vpihost {
namespace {

std::string Quoted(const char* field, size_t capacity) {
  return "\"" + FieldText(field, capacity) + "\"";
}

std::string Hex(uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

// The block is packed: its arrays are copied out before they are walked.
std::string Row(const void* field, int count, int used) {
  int32_t values[kWindowRows > kConnectionSlots ? kWindowRows : kConnectionSlots];
  std::memcpy(values, field, sizeof(int32_t) * static_cast<size_t>(count));
  std::ostringstream row;
  for (int i = 0; i < count; ++i) {
    if (i == used) row << " |";
    row << ' ' << values[i];
  }
  return row.str();
}

std::string RegionList(const void* field) {
  int32_t row[kRegionCount];
  std::memcpy(row, field, sizeof row);
  std::string list;
  for (int r = 0; r < kRegionCount; ++r) {
    if (row[r] == 0) continue;
    if (!list.empty()) list += ",";
    list += std::to_string(r);
    if (row[r] != 1) list += "(=" + std::to_string(row[r]) + ")";
  }
  return list;
}

void DescribeLink(const DriverData& d, std::ostream& out) {
  out << "  connected " << d.connected << "   numConnections " << d.numConnections
      << "   lastResult " << d.lastResult << "\n";
  out << "  connections" << Row(d.connections, kConnectionSlots, kOpenConnections) << "\n";
  out << "  windowShown" << Row(d.windowShown, kWindowRows, kOpenConnections) << "\n";
  out << "  regionMap  ";
  bool any = false;
  for (int w = 0; w < kWindowRows; ++w) {
    const std::string regions = RegionList(d.regionMap[w]);
    if (regions.empty()) continue;
    out << " W" << (w + 1) << ":" << regions;
    any = true;
  }
  out << (any ? "" : " (no window holds a region)") << "\n";
}

void DescribeSources(const DriverData& d, std::ostream& out) {
  out << "  numSources " << static_cast<int>(d.numSources);
  const int stored = d.numSources < kSourceRecords ? d.numSources : kSourceRecords;
  for (int i = 0; i < stored; ++i) {
    out << (i == 0 ? ":" : ",") << " " << (i + 1) << "="
        << Quoted(d.sources[i].name, kSourceNameSize) << " (id " << d.sources[i].id << ")";
  }
  out << "\n";
}

void DescribeStaged(const DriverData& d, std::ostream& out) {
  out << "  staged     WINDOW " << (d.window + 1) << " (window " << d.window << ")  SOURCE "
      << (d.source + 1) << " (source " << d.source << ")\n";
  out << "             X " << d.x << "  Y " << d.y << "  WIDTH " << d.width << "  HEIGHT "
      << d.height << "  ZORDER " << d.zOrder << "\n";
  out << "             ZX " << d.zoomX << "  ZY " << d.zoomY << "  ZWIDTH " << d.zoomWidth
      << "  ZHEIGHT " << d.zoomHeight << "\n";
  out << "             BRIGHTNESS " << d.brightness << "  CONTRAST " << d.contrast
      << "  SATURATION " << d.saturation << "  HUE " << d.hue << "  MODE " << d.mode << "\n";
  const uint32_t color = static_cast<uint32_t>(d.color);
  out << "             COLOR " << Hex(color, 6) << " (r " << (color & 0xFF) << ", g "
      << ((color >> 8) & 0xFF) << ", b " << ((color >> 16) & 0xFF) << ")  CAPTION "
      << Quoted(d.caption, kCaptionSize) << "\n";
}

int BoundFunctions(const DriverData& d) {
  const void* const pointers[] = {
      reinterpret_cast<const void*>(d.OpenVideoConnection),
      reinterpret_cast<const void*>(d.CloseVideoConnection),
      reinterpret_cast<const void*>(d.GetNumVideoSources),
      reinterpret_cast<const void*>(d.GetVideoSourceInfo),
      reinterpret_cast<const void*>(d.SelectVideoSource),
      reinterpret_cast<const void*>(d.MotionVideo),
      reinterpret_cast<const void*>(d.StillVideo),
      reinterpret_cast<const void*>(d.HideVideo),
      reinterpret_cast<const void*>(d.SetVideoPosition),
      reinterpret_cast<const void*>(d.SetZOrder),
      reinterpret_cast<const void*>(d.SetVideoCaption),
      reinterpret_cast<const void*>(d.SetZoom),
      reinterpret_cast<const void*>(d.SetBrightness),
      reinterpret_cast<const void*>(d.SetContrast),
      reinterpret_cast<const void*>(d.SetSaturation),
      reinterpret_cast<const void*>(d.SetHue),
      reinterpret_cast<const void*>(d.ColorKey),
      reinterpret_cast<const void*>(d.InsertionMode),
  };
  int bound = 0;
  for (const void* p : pointers) bound += p != nullptr ? 1 : 0;
  return bound;
}

}  // namespace

std::string FieldText(const char* field, size_t capacity) {
  std::string text;
  for (size_t i = 0; i < capacity && field[i] != '\0'; ++i) {
    const unsigned char c = static_cast<unsigned char>(field[i]);
    if (c >= 0x20 && c < 0x7F) {
      text += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      text += escaped;
    }
  }
  return text;
}

std::string DescribeBlock(const DriverData& d) {
  std::ostringstream out;
  DescribeLink(d, out);
  DescribeSources(d, out);
  out << "  stationNumber " << d.stationNumber << "  hostName " << Quoted(d.hostName, kHostNameSize)
      << "  address " << Quoted(d.address, kAddressSize) << "\n";
  DescribeStaged(d, out);
  out << "  library functions bound: " << BoundFunctions(d) << " of " << kVideoFunctionCount
      << "\n";
  return out.str();
}

}  // namespace vpihost
