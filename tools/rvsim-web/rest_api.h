// The REST API under /api/v1 and the page's files: one request in, one
// answer out, over the server's model. The event stream (/api/v1/events) is
// kept open by the HTTP session and not answered here.
#pragma once

#include <string>

#include "web_assets.h"
#include "web_model.h"

namespace rvweb {

constexpr const char* kEventsPath = "/api/v1/events";
constexpr size_t kTraceDefaultLimit = 1000;
constexpr size_t kTraceMaxLimit = 10000;
// The newest trace lines every state carries, so a page following the
// stream needs no request of its own while calls come.
constexpr uint64_t kPushedTraceLines = 100;

struct ApiRequest {
  std::string method;
  std::string target;  // path and query, "/api/v1/trace?since=5"
  std::string body;
};

struct ApiAnswer {
  int status = 200;
  std::string contentType = "application/json";
  std::string body;                 // JSON, unless `asset` is set
  const WebAsset* asset = nullptr;  // a file of the page
  std::string allow;                // the methods a path takes, for 405
};

// Everything the page shows: the model's state with the newest trace lines
// ("trace"), the screen, the library's function names and `instance`, which
// tells one run of the server from the next.
nlohmann::json FullState(WebModel& model, const std::string& instance);

ApiAnswer AnswerRequest(const ApiRequest& request, WebModel& model, const std::string& instance);

// {"error": reason} with `status`.
ApiAnswer ErrorAnswer(int status, const std::string& reason);

}  // namespace rvweb
