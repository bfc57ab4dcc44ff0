#include "wall_svg.h"

#include <algorithm>
#include <sstream>

#include "block_view.h"

namespace vpihost {
namespace {

constexpr int kMargin = 20;
constexpr int kLegendLine = 28;
const char* const kPalette[] = {"#2e7d32", "#1565c0", "#c62828", "#6a1b9a",
                                "#ef6c00", "#00838f", "#5d4037", "#ad1457"};

void Regions(std::ostream& svg) {
  for (int region = 0; region < kRegionCount; ++region) {
    const int x = (region % kWallColumns) * kRegionWidth;
    const int y = (region / kWallColumns) * kRegionHeight;
    svg << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << kRegionWidth << "\" height=\""
        << kRegionHeight << "\""
        << " fill=\"none\" stroke=\"#777\" stroke-width=\"2\" stroke-dasharray=\"10 10\"/>\n"
        << "<text x=\"" << x + kRegionWidth - 10 << "\" y=\"" << y + kRegionHeight - 15
        << "\" fill=\"#999\" font-size=\"26\" text-anchor=\"end\">region " << region << "</text>\n";
  }
}

void Window(const WallWindow& w, std::ostream& svg) {
  const RvSimWindow& s = w.sim;
  if (s.width <= 0 || s.height <= 0) return;
  const size_t colour = static_cast<size_t>(s.sourceId < 0 ? 0 : s.sourceId) % 8;
  const bool still = s.state == RVSIM_STILL;
  svg << "<g>\n<rect x=\"" << s.x << "\" y=\"" << s.y << "\" width=\"" << s.width << "\" height=\""
      << s.height << "\" fill=\"" << kPalette[colour]
      << "\" fill-opacity=\"0.9\" stroke=\"#fff\" stroke-width=\"4\""
      << (still ? " stroke-dasharray=\"24 12\"" : "") << "/>\n";
  const std::string source = s.sourceId == -1 ? "-" : FieldText(s.sourceName, sizeof s.sourceName);
  std::vector<std::string> lines = {w.label + " " + source};
  if (s.caption[0] != '\0') lines.push_back(FieldText(s.caption, sizeof s.caption));
  if (still) lines.push_back("still");
  for (size_t i = 0; i < lines.size(); ++i) {
    svg << "<text x=\"" << s.x + 14 << "\" y=\"" << s.y + 42 + static_cast<int>(i) * 38
        << "\" fill=\"#fff\" font-size=\"32\">" << XmlEscape(lines[i]) << "</text>\n";
  }
  svg << "</g>\n";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

std::string XmlEscape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string WallSvg(const std::vector<WallWindow>& windows) {
  const std::vector<std::string> legend = Lines(DescribeWallWindows(windows));
  const int height = kWallHeight + 2 * kMargin + 20 + static_cast<int>(legend.size()) * kLegendLine;
  const int width = kWallWidth + 2 * kMargin;
  std::ostringstream svg;
  svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width / 2 << "\" height=\""
      << height / 2 << "\" viewBox=\"" << -kMargin << " " << -kMargin << " " << width << " "
      << height << "\" font-family=\"monospace\">\n"
      << "<defs><clipPath id=\"wall\"><rect x=\"0\" y=\"0\" width=\"" << kWallWidth
      << "\" height=\"" << kWallHeight << "\"/></clipPath></defs>\n"
      << "<rect x=\"" << -kMargin << "\" y=\"" << -kMargin << "\" width=\"" << width
      << "\" height=\"" << height << "\" fill=\"#fff\"/>\n"
      << "<rect x=\"0\" y=\"0\" width=\"" << kWallWidth << "\" height=\"" << kWallHeight
      << "\" fill=\"#1b1b1b\"/>\n";
  Regions(svg);
  std::vector<const WallWindow*> shown;
  for (const WallWindow& w : windows) {
    if (w.sim.state != RVSIM_HIDDEN) shown.push_back(&w);
  }
  std::stable_sort(shown.begin(), shown.end(), [](const WallWindow* a, const WallWindow* b) {
    return a->sim.zOrder < b->sim.zOrder;
  });
  svg << "<g clip-path=\"url(#wall)\">\n";
  for (const WallWindow* w : shown) Window(*w, svg);
  svg << "</g>\n";
  for (size_t i = 0; i < legend.size(); ++i) {
    svg << "<text x=\"0\" y=\"" << kWallHeight + 50 + static_cast<int>(i) * kLegendLine
        << "\" font-size=\"20\" fill=\"#000\" xml:space=\"preserve\">" << XmlEscape(legend[i])
        << "</text>\n";
  }
  svg << "</svg>\n";
  return svg.str();
}

}  // namespace vpihost
