// Who may use the web port: the checks every request passes before it is
// answered (the Host and Origin it names, the content type and the token of
// a request that changes state).
#pragma once

#include <string>
#include <vector>

namespace rvweb {

struct GuardPolicy {
  // Names a request's Host may give (with the port or without): the
  // listening address, the loopback names when it is loopback, and the names
  // configured with --http-name.
  std::vector<std::string> hostNames;
  unsigned short port = 0;
  // When not empty, a request that changes state needs
  // "Authorization: Bearer <token>".
  std::string token;
};

struct RequestFacts {
  std::string method;
  std::string host;           // the Host header
  std::string origin;         // the Origin header, "" when absent
  std::string contentType;    // the Content-Type header
  std::string authorization;  // the Authorization header
};

// 0 when the request may be answered; otherwise the HTTP status to refuse
// it with (400, 401, 403 or 415), and `reason` says why.
int CheckRequest(const GuardPolicy& policy, const RequestFacts& request, std::string* reason);

// True for GET and HEAD: requests that change nothing.
bool IsReadOnly(const std::string& method);

// True for an address in 127.0.0.0/8 or ::1.
bool IsLoopbackAddress(const std::string& address);

// The policy for a server listening on `address`:`port`, also reached by
// `extraNames`.
GuardPolicy MakeGuardPolicy(const std::string& address, unsigned short port,
                            const std::vector<std::string>& extraNames, const std::string& token);

}  // namespace rvweb
