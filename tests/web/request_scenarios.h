// Requests every web port must answer the same way, whatever model stands
// behind it: the API's shapes, its refusals and its status codes.
#pragma once

#include <string>
#include <vector>

#include "http_client.h"

namespace webtest {

struct RequestScenario {
  const char* name;
  HttpCall call;
  int status;
  std::string bodyHas;      // a part of the answer's body
  std::string contentType;  // the start of its Content-Type
};

const std::vector<RequestScenario>& RequestScenarios();

// Runs every scenario against the web port at `port`; failures name the scenario.
void CheckRequestScenarios(unsigned short port);

}  // namespace webtest
