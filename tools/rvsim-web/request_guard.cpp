#include "request_guard.h"

#include <cctype>

namespace rvweb {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Splits "name:port" or "[v6]:port"; `port` is "" when none is given.
void SplitHost(const std::string& host, std::string* name, std::string* port) {
  const size_t colon = host.rfind(':');
  const size_t bracket = host.rfind(']');
  const bool hasPort =
      colon != std::string::npos && (bracket == std::string::npos || colon > bracket);
  *name = Lower(hasPort ? host.substr(0, colon) : host);
  *port = hasPort ? host.substr(colon + 1) : "";
}

bool KnownHost(const GuardPolicy& policy, const std::string& host) {
  std::string name;
  std::string port;
  SplitHost(host, &name, &port);
  if (!port.empty() && port != std::to_string(policy.port)) return false;
  for (const std::string& known : policy.hostNames) {
    if (name == Lower(known)) return true;
  }
  return false;
}

// Equal texts, compared in a time that does not tell where they differ.
bool SameSecret(const std::string& a, const std::string& b) {
  unsigned char differ = a.size() == b.size() ? 0 : 1;
  for (size_t i = 0; i < a.size(); ++i) {
    differ |= static_cast<unsigned char>(a[i] ^ (i < b.size() ? b[i] : 0));
  }
  return differ == 0;
}

bool JsonContent(const std::string& contentType) {
  const std::string type = Lower(contentType.substr(0, contentType.find(';')));
  const size_t end = type.find_last_not_of(" \t");
  return type.substr(0, end == std::string::npos ? 0 : end + 1) == "application/json";
}

int Refuse(int status, const char* why, std::string* reason) {
  *reason = why;
  return status;
}

}  // namespace

bool IsReadOnly(const std::string& method) {
  return method == "GET" || method == "HEAD";
}

bool IsLoopbackAddress(const std::string& address) {
  return address.rfind("127.", 0) == 0 || address == "::1" || address == "[::1]" ||
         Lower(address) == "localhost";
}

GuardPolicy MakeGuardPolicy(const std::string& address, unsigned short port,
                            const std::vector<std::string>& extraNames, const std::string& token) {
  GuardPolicy policy;
  policy.port = port;
  policy.token = token;
  policy.hostNames.push_back(address.find(':') != std::string::npos ? "[" + address + "]"
                                                                    : address);
  if (IsLoopbackAddress(address)) {
    for (const char* name : {"localhost", "127.0.0.1", "[::1]"}) policy.hostNames.push_back(name);
  }
  for (const std::string& name : extraNames) policy.hostNames.push_back(name);
  return policy;
}

int CheckRequest(const GuardPolicy& policy, const RequestFacts& request, std::string* reason) {
  if (request.host.empty()) return Refuse(400, "a request needs a Host header", reason);
  if (!KnownHost(policy, request.host)) {
    return Refuse(403, "the Host header names no address of this server", reason);
  }
  if (!request.origin.empty()) {
    const std::string scheme = "http://";
    if (request.origin.rfind(scheme, 0) != 0 ||
        !KnownHost(policy, request.origin.substr(scheme.size()))) {
      return Refuse(403, "requests from other sites are not answered", reason);
    }
  }
  if (IsReadOnly(request.method)) return 0;
  if (!JsonContent(request.contentType)) {
    return Refuse(415, "a request that changes state must be Content-Type: application/json",
                  reason);
  }
  if (!policy.token.empty() && !SameSecret(request.authorization, "Bearer " + policy.token)) {
    return Refuse(401, "this server needs its token: Authorization: Bearer <token>", reason);
  }
  return 0;
}

}  // namespace rvweb
