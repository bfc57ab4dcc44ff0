#include "state_json.h"

#include "core/host_limits.h"
#include "core/video_library.h"

namespace rvweb {
namespace {

const char* StateName(int32_t state) {
  switch (state) {
    case RVSIM_LIVE:
      return "live";
    case RVSIM_STILL:
      return "still";
    default:
      return "hidden";
  }
}

// The record's fixed text field up to its NUL or its end.
std::string FieldText(const char* field, size_t capacity) {
  size_t length = 0;
  while (length < capacity && field[length] != '\0') ++length;
  return std::string(field, length);
}

}  // namespace

std::string DumpJson(const nlohmann::json& value) {
  return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

nlohmann::json WindowJson(const RvSimWindow& w) {
  return {
      {"handle", w.handle},
      {"source", {{"id", w.sourceId}, {"name", FieldText(w.sourceName, sizeof w.sourceName)}}},
      {"x", w.x},
      {"y", w.y},
      {"width", w.width},
      {"height", w.height},
      {"zoom", {{"x", w.zoomX}, {"y", w.zoomY}, {"width", w.zoomWidth}, {"height", w.zoomHeight}}},
      {"zOrder", w.zOrder},
      {"caption", FieldText(w.caption, sizeof w.caption)},
      {"colorKey", w.colorKey},
      {"mode", w.insertionMode},
      {"brightness", w.brightness},
      {"contrast", w.contrast},
      {"saturation", w.saturation},
      {"hue", w.hue},
      {"state", StateName(w.state)},
  };
}

nlohmann::json FaultJson(const rvsim::FaultSpec& fault) {
  return {{"function", fault.function},
          {"from", fault.from},
          {"count", fault.count},
          {"result", fault.result}};
}

nlohmann::json ConfigJson(const rvsim::ServerConfig& config) {
  nlohmann::json sources = nlohmann::json::array();
  for (const rvsim::SourceEntry& source : config.sources) {
    sources.push_back({{"id", source.id}, {"name", source.name}});
  }
  nlohmann::json hosts = nlohmann::json::array();
  for (const std::string& host : config.hosts) hosts.push_back(host);
  return {{"hosts", hosts}, {"sources", sources}, {"limit", config.connectionLimit}};
}

nlohmann::json ScreenJson() {
  return {{"columns", kWallColumns},
          {"rows", kWallRows},
          {"regionWidth", kRegionWidth},
          {"regionHeight", kRegionHeight}};
}

nlohmann::json FunctionNamesJson() {
  nlohmann::json names = nlohmann::json::array();
  for (const char* name : kVideoFunctionNames) names.push_back(name);
  return names;
}

}  // namespace rvweb
