#include "rest_api.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "request_json.h"
#include "state_json.h"

namespace rvweb {
namespace {

using nlohmann::json;

ApiAnswer JsonAnswer(int status, const json& body) {
  ApiAnswer answer;
  answer.status = status;
  answer.body = DumpJson(body);
  return answer;
}

ApiAnswer NotAllowed(const char* allow) {
  ApiAnswer answer = ErrorAnswer(405, "this resource takes " + std::string(allow));
  answer.allow = allow;
  return answer;
}

// The value of `key` in a query "a=1&b=2", or false when absent.
bool QueryValue(const std::string& query, const std::string& key, std::string* value) {
  size_t start = 0;
  while (start <= query.size()) {
    const size_t end = std::min(query.find('&', start), query.size());
    const std::string pair = query.substr(start, end - start);
    if (pair.rfind(key + "=", 0) == 0) {
      *value = pair.substr(key.size() + 1);
      return true;
    }
    start = end + 1;
  }
  return false;
}

bool QueryNumber(const std::string& query, const std::string& key, uint64_t* value) {
  std::string text;
  if (!QueryValue(query, key, &text)) return true;
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  errno = 0;
  const unsigned long long parsed = std::strtoull(text.c_str(), nullptr, 10);
  if (errno != 0) return false;
  *value = parsed;
  return true;
}

bool ParseBody(const std::string& body, json* value, std::string* error) {
  try {
    *value = json::parse(body);
    return true;
  } catch (const json::parse_error& e) {
    *error = std::string("malformed JSON: ") + e.what();
    return false;
  }
}

ApiAnswer Trace(WebModel& model, const std::string& query) {
  uint64_t since = 0;
  uint64_t limit = kTraceDefaultLimit;
  if (!QueryNumber(query, "since", &since) || !QueryNumber(query, "limit", &limit)) {
    return ErrorAnswer(400, "since and limit are whole numbers");
  }
  if (limit > kTraceMaxLimit) limit = kTraceMaxLimit;
  return JsonAnswer(200, model.TraceSince(since, static_cast<size_t>(limit)));
}

ApiAnswer Faults(WebModel& model, const ApiRequest& request) {
  if (request.method == "GET") return JsonAnswer(200, {{"faults", model.State()["faults"]}});
  if (request.method == "DELETE") {
    model.ClearFaults();
    return JsonAnswer(200, {{"faults", json::array()}});
  }
  if (request.method != "POST") return NotAllowed("GET, POST, DELETE");
  json body;
  std::string error;
  rvsim::FaultSpec fault;
  if (!ParseBody(request.body, &body, &error) || !FaultFromJson(body, &fault, &error)) {
    return ErrorAnswer(400, error);
  }
  model.AddFault(fault);
  return JsonAnswer(201, {{"fault", FaultJson(fault)}, {"faults", model.State()["faults"]}});
}

ApiAnswer Config(WebModel& model, const ApiRequest& request) {
  if (request.method == "GET") return JsonAnswer(200, model.State()["config"]);
  if (request.method != "PUT") return NotAllowed("GET, PUT");
  json body;
  std::string error;
  rvsim::ServerConfig config;
  if (!ParseBody(request.body, &body, &error) || !ConfigFromJson(body, &config, &error)) {
    return ErrorAnswer(400, error);
  }
  error = model.Configure(config);
  if (!error.empty()) return ErrorAnswer(400, error);
  return JsonAnswer(200, model.State()["config"]);
}

ApiAnswer Asset(const ApiRequest& request, const std::string& path) {
  const WebAsset* asset = FindWebAsset(path.c_str());
  if (asset == nullptr) return ErrorAnswer(404, "no such resource");
  if (request.method != "GET" && request.method != "HEAD") return NotAllowed("GET, HEAD");
  ApiAnswer answer;
  answer.asset = asset;
  answer.contentType = asset->contentType;
  return answer;
}

ApiAnswer ReadOnly(const ApiRequest& request, const json& body) {
  if (request.method != "GET" && request.method != "HEAD") return NotAllowed("GET, HEAD");
  return JsonAnswer(200, body);
}

}  // namespace

ApiAnswer ErrorAnswer(int status, const std::string& reason) {
  return JsonAnswer(status, {{"error", reason}});
}

json FullState(WebModel& model, const std::string& instance) {
  json state = model.State();
  const uint64_t next = state["traceNext"].get<uint64_t>();
  state["trace"] = model.TraceSince(next - std::min<uint64_t>(next, kPushedTraceLines),
                                    kPushedTraceLines)["calls"];
  state["instance"] = instance;
  state["screen"] = ScreenJson();
  state["functions"] = FunctionNamesJson();
  return state;
}

ApiAnswer AnswerRequest(const ApiRequest& request, WebModel& model, const std::string& instance) {
  const size_t mark = request.target.find('?');
  const std::string path = request.target.substr(0, mark);
  const std::string query = mark == std::string::npos ? "" : request.target.substr(mark + 1);
  const bool readOnly = request.method == "GET" || request.method == "HEAD";
  if (path.rfind("/api/", 0) != 0) return Asset(request, path);
  if (path == "/api/v1/state") return ReadOnly(request, FullState(model, instance));
  if (path == "/api/v1/wall") {
    if (!readOnly) return NotAllowed("GET, HEAD");
    json state = model.State();
    return JsonAnswer(200, {{"revision", state["revision"]},
                            {"screen", ScreenJson()},
                            {"windows", state["windows"]},
                            {"connections", state["connections"]}});
  }
  if (path == "/api/v1/connections") {
    if (!readOnly) return NotAllowed("GET, HEAD");
    return JsonAnswer(200, {{"connections", model.State()["connections"]}});
  }
  if (path == "/api/v1/trace") return readOnly ? Trace(model, query) : NotAllowed("GET, HEAD");
  if (path == "/api/v1/faults") return Faults(model, request);
  if (path == "/api/v1/config") return Config(model, request);
  if (path == "/api/v1/reset") {
    if (request.method != "POST") return NotAllowed("POST");
    model.Reset();
    return JsonAnswer(200, {{"reset", true}, {"revision", model.Count().revision}});
  }
  if (path == kEventsPath) return NotAllowed("GET");
  return ErrorAnswer(404, "no such resource");
}

}  // namespace rvweb
