// The JSON the API answers with: windows, faults, configuration and the
// screen, built from the simulator's own records.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "rvsim_window.h"
#include "sim_config.h"

namespace rvweb {

// The text of `value`. A host's texts may hold any bytes; bytes that do not
// form UTF-8 come out as U+FFFD rather than failing the answer.
std::string DumpJson(const nlohmann::json& value);

// {"handle", "source": {"id", "name"}, "x", "y", "width", "height",
//  "zoom": {"x", "y", "width", "height"}, "zOrder", "caption", "colorKey",
//  "mode", "brightness", "contrast", "saturation", "hue",
//  "state": "live" | "still" | "hidden"}
nlohmann::json WindowJson(const RvSimWindow& window);

// {"function", "from", "count", "result"}
nlohmann::json FaultJson(const rvsim::FaultSpec& fault);

// {"hosts": [...], "sources": [{"id", "name"}], "limit"}
nlohmann::json ConfigJson(const rvsim::ServerConfig& config);

// {"columns", "rows", "regionWidth", "regionHeight"}: the 3 x 2 wall.
nlohmann::json ScreenJson();

// The library's function names, for the fault form.
nlohmann::json FunctionNamesJson();

}  // namespace rvweb
