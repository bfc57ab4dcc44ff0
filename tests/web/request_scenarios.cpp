#include "request_scenarios.h"

#include <gtest/gtest.h>

namespace webtest {
namespace {

const std::map<std::string, std::string> kJson = {{"Content-Type", "application/json"}};

HttpCall Call(const char* method, const char* target, std::string body = "",
              std::map<std::string, std::string> headers = kJson) {
  return {method, target, std::move(headers), std::move(body)};
}

}  // namespace

const std::vector<RequestScenario>& RequestScenarios() {
  static const std::vector<RequestScenario> scenarios = {
      {"the page", Call("GET", "/", "", {}), 200, "<title>", "text/html"},
      {"the page's script", Call("GET", "/wall.js", "", {}), 200, "EventSource", "text/javascript"},
      {"the page's style", Call("GET", "/wall.css", "", {}), 200, ".wall", "text/css"},
      {"no such file", Call("GET", "/secret.txt", "", {}), 404, "\"error\"", "application/json"},
      {"no such resource", Call("GET", "/api/v1/windows", "", {}), 404, "\"error\"",
       "application/json"},
      {"state", Call("GET", "/api/v1/state", "", {}), 200, "\"screen\":{\"columns\":3",
       "application/json"},
      {"wall", Call("GET", "/api/v1/wall", "", {}), 200, "\"regionWidth\":640", "application/json"},
      {"connections", Call("GET", "/api/v1/connections", "", {}), 200, "\"connections\":[", ""},
      {"trace", Call("GET", "/api/v1/trace?since=0&limit=5", "", {}), 200, "\"calls\":[", ""},
      {"trace since no number", Call("GET", "/api/v1/trace?since=x", "", {}), 400, "whole numbers",
       ""},
      {"faults", Call("GET", "/api/v1/faults", "", {}), 200, "\"faults\":[", ""},
      {"config", Call("GET", "/api/v1/config", "", {}), 200, "\"hosts\":[", ""},
      {"a wall is not posted", Call("POST", "/api/v1/wall", "{}"), 405, "GET", ""},
      {"a reset is not read", Call("GET", "/api/v1/reset", "", {}), 405, "POST", ""},
      {"config is not deleted", Call("DELETE", "/api/v1/config"), 405, "GET, PUT", ""},
      {"the page is not posted", Call("POST", "/", "{}"), 405, "GET", ""},
      {"a fault as a form",
       Call("POST", "/api/v1/faults", "function=NTRVSetHue",
            {{"Content-Type", "application/x-www-form-urlencoded"}}),
       415, "application/json", ""},
      {"a fault without a type",
       Call("POST", "/api/v1/faults", "{\"function\":\"NTRVSetHue\"}", {}), 415, "application/json",
       ""},
      {"a reset as plain text", Call("POST", "/api/v1/reset", "", {{"Content-Type", "text/plain"}}),
       415, "", ""},
      {"malformed JSON", Call("POST", "/api/v1/faults", "{\"function\": "), 400, "malformed JSON",
       ""},
      {"a fault for no function", Call("POST", "/api/v1/faults", "{\"function\":\"NTRVNap\"}"), 400,
       "NTRVNap' is no library function", ""},
      {"a fault from call 0", Call("POST", "/api/v1/faults", "{\"function\":\"*\",\"from\":0}"),
       400, "'from' must be from 1", ""},
      {"a fault with a text result",
       Call("POST", "/api/v1/faults", "{\"function\":\"*\",\"result\":\"0\"}"), 400,
       "'result' must be an integer", ""},
      {"a fault with an unknown field",
       Call("POST", "/api/v1/faults", "{\"function\":\"*\",\"when\":3}"), 400,
       "unknown field 'when'", ""},
      {"a fault that is a list", Call("POST", "/api/v1/faults", "[1]"), 400, "JSON object", ""},
      {"a body over the limit", Call("POST", "/api/v1/faults", std::string(70000, ' ')), 413,
       "over 65536 bytes", ""},
      {"a config without hosts",
       Call("PUT", "/api/v1/config", "{\"hosts\":[],\"sources\":[],\"limit\":4}"), 400, "'hosts'",
       ""},
      {"a host of two words",
       Call("PUT", "/api/v1/config", "{\"hosts\":[\"a b\"],\"sources\":[],\"limit\":4}"), 400,
       "one word", ""},
      {"a source name with a line break",
       Call("PUT", "/api/v1/config",
            "{\"hosts\":[\"h\"],\"sources\":[{\"id\":1,\"name\":\"A\\nlimit 0\"}],\"limit\":4}"),
       400, "source name", ""},
      {"two sources with one id",
       Call("PUT", "/api/v1/config",
            "{\"hosts\":[\"h\"],\"sources\":[{\"id\":1,\"name\":\"A\"},{\"id\":1,\"name\":\"B\"}],"
            "\"limit\":4}"),
       400, "duplicate source id", ""},
      {"a limit too high",
       Call("PUT", "/api/v1/config", "{\"hosts\":[\"h\"],\"sources\":[],\"limit\":5000}"), 400,
       "'limit'", ""},
      {"a config missing its limit",
       Call("PUT", "/api/v1/config", "{\"hosts\":[\"h\"],\"sources\":[]}"), 400,
       "'limit' is missing", ""},
      {"a name re-pointed at this address",
       Call("GET", "/api/v1/state", "", {{"Host", "attacker.example"}}), 403, "Host", ""},
      {"this address on another port", Call("GET", "/api/v1/state", "", {{"Host", "127.0.0.1:1"}}),
       403, "Host", ""},
      {"no Host at all", Call("GET", "/api/v1/state", "", {{"Host", ""}}), 400, "Host", ""},
      {"a request from another site",
       Call("POST", "/api/v1/reset", "{}",
            {{"Content-Type", "application/json"}, {"Origin", "http://attacker.example"}}),
       403, "other sites", ""},
      {"localhost by name", Call("GET", "/api/v1/config", "", {{"Host", "LOCALHOST"}}), 200,
       "hosts", ""},
  };
  return scenarios;
}

void CheckRequestScenarios(unsigned short port) {
  for (const RequestScenario& scenario : RequestScenarios()) {
    SCOPED_TRACE(scenario.name);
    HttpReply reply = Exchange(port, scenario.call);
    EXPECT_EQ(reply.status, scenario.status) << reply.body;
    EXPECT_NE(reply.body.find(scenario.bodyHas), std::string::npos) << reply.body;
    EXPECT_EQ(reply.headers["content-type"].rfind(scenario.contentType, 0), 0u)
        << reply.headers["content-type"];
    // No answer grants another origin anything.
    EXPECT_EQ(reply.headers.count("access-control-allow-origin"), 0u);
  }
}

}  // namespace webtest
