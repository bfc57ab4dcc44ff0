// Reading what a client sends: a fault rule and a server configuration, from
// JSON to the simulator's own records, with the reason when it is refused.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "sim_config.h"

namespace rvweb {

// {"function": NAME or "*", "from": 1, "count": 1, "result": 0}; only
// "function" is required. False with the reason in `error` when a field is
// missing, unknown, of the wrong type or out of range.
bool FaultFromJson(const nlohmann::json& body, rvsim::FaultSpec* fault, std::string* error);

// {"hosts": [...], "sources": [{"id", "name"}], "limit"}, all required, read
// by the same rules as the configuration file.
bool ConfigFromJson(const nlohmann::json& body, rvsim::ServerConfig* config, std::string* error);

}  // namespace rvweb
