#include "request_json.h"

#include <cstdint>

namespace rvweb {
namespace {

using nlohmann::json;

bool Fail(std::string* error, const std::string& why) {
  *error = why;
  return false;
}

// Reads body[key] as an integer in [low, high] when present.
bool OptionalInteger(const json& body, const char* key, int64_t low, int64_t high, int64_t* value,
                     std::string* error) {
  const auto found = body.find(key);
  if (found == body.end()) return true;
  if (!found->is_number_integer())
    return Fail(error, std::string("'") + key + "' must be an integer");
  // Past INT64_MAX only an unsigned number fits; every range here ends below it.
  const bool inRange =
      !(found->is_number_unsigned() && found->get<uint64_t>() > static_cast<uint64_t>(high)) &&
      found->get<int64_t>() >= low && found->get<int64_t>() <= high;
  if (!inRange) {
    return Fail(error, std::string("'") + key + "' must be from " + std::to_string(low) + " to " +
                           std::to_string(high));
  }
  *value = found->get<int64_t>();
  return true;
}

bool OnlyKeys(const json& body, std::initializer_list<const char*> keys, std::string* error) {
  for (const auto& item : body.items()) {
    bool known = false;
    for (const char* key : keys) known = known || item.key() == key;
    if (!known) return Fail(error, "unknown field '" + item.key() + "'");
  }
  return true;
}

// A name the configuration's text holds unchanged: no line breaks or other
// control characters, no comment sign, no blanks at either end.
bool PlainName(const std::string& name, bool blanksInside) {
  if (name.empty() || name.front() == ' ' || name.back() == ' ') return false;
  for (const char c : name) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || c == '#' || (c == ' ' && !blanksInside)) return false;
  }
  return true;
}

bool HostLines(const json& hosts, std::string* text, std::string* error) {
  if (!hosts.is_array() || hosts.empty()) return Fail(error, "'hosts' must be a list of names");
  for (const json& host : hosts) {
    if (!host.is_string() || !PlainName(host.get<std::string>(), false)) {
      return Fail(error, "a host is one word without '#' or control characters");
    }
    *text += "host " + host.get<std::string>() + "\n";
  }
  return true;
}

bool SourceLines(const json& sources, std::string* text, std::string* error) {
  if (!sources.is_array()) return Fail(error, "'sources' must be a list");
  if (sources.empty()) *text += "no-sources\n";
  for (const json& source : sources) {
    if (!source.is_object() || !source.contains("id") || !source.contains("name")) {
      return Fail(error, "a source is {\"id\": number, \"name\": text}");
    }
    int64_t id = 0;
    if (!OnlyKeys(source, {"id", "name"}, error) ||
        !OptionalInteger(source, "id", INT32_MIN, INT32_MAX, &id, error)) {
      return false;
    }
    const json& name = source["name"];
    if (!name.is_string() || !PlainName(name.get<std::string>(), true)) {
      return Fail(error, "a source name is text without '#', control characters or outer blanks");
    }
    *text += "source " + std::to_string(id) + " " + name.get<std::string>() + "\n";
  }
  return true;
}

}  // namespace

bool FaultFromJson(const json& body, rvsim::FaultSpec* fault, std::string* error) {
  if (!body.is_object()) return Fail(error, "a fault rule is a JSON object");
  if (!OnlyKeys(body, {"function", "from", "count", "result"}, error)) return false;
  const auto function = body.find("function");
  if (function == body.end() || !function->is_string()) {
    return Fail(error, "'function' must name a library function or \"*\"");
  }
  const std::string name = function->get<std::string>();
  if (name != "*" && !rvsim::IsLibraryFunction(name)) {
    return Fail(error, "'" + name + "' is no library function");
  }
  int64_t from = 1;
  int64_t count = 1;
  int64_t result = 0;
  if (!OptionalInteger(body, "from", 1, INT32_MAX, &from, error) ||
      !OptionalInteger(body, "count", INT32_MIN, INT32_MAX, &count, error) ||
      !OptionalInteger(body, "result", INT32_MIN, INT32_MAX, &result, error)) {
    return false;
  }
  *fault = {name, static_cast<int>(from), static_cast<int>(count), static_cast<int32_t>(result)};
  return true;
}

bool ConfigFromJson(const json& body, rvsim::ServerConfig* config, std::string* error) {
  if (!body.is_object()) return Fail(error, "a configuration is a JSON object");
  if (!OnlyKeys(body, {"hosts", "sources", "limit"}, error)) return false;
  for (const char* key : {"hosts", "sources", "limit"}) {
    if (!body.contains(key)) return Fail(error, std::string("'") + key + "' is missing");
  }
  std::string text;
  int64_t limit = 0;
  if (!HostLines(body["hosts"], &text, error) || !SourceLines(body["sources"], &text, error) ||
      !OptionalInteger(body, "limit", 0, rvsim::kMaxConnectionLimit, &limit, error)) {
    return false;
  }
  text += "limit " + std::to_string(limit) + "\n";
  std::string refused;
  if (!rvsim::ParseConfig(text, config, &refused)) return Fail(error, "refused: " + refused);
  return true;
}

}  // namespace rvweb
