// A plain HTTP/1.1 client for the web port tests: one request per connection,
// every header and byte of the body as given, and an event-stream reader.
#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace webtest {

struct HttpReply {
  int status = 0;                              // 0: no answer came
  std::map<std::string, std::string> headers;  // names in lower case
  std::string body;
};

struct HttpCall {
  std::string method = "GET";
  std::string target = "/";
  std::map<std::string, std::string> headers;  // "Host" is filled in unless given ("" drops it)
  std::string body;
};

HttpReply Exchange(unsigned short port, const HttpCall& call);

// An open GET of /api/v1/events that collects its events.
class EventReader {
 public:
  explicit EventReader(unsigned short port);
  ~EventReader();
  EventReader(const EventReader&) = delete;
  EventReader& operator=(const EventReader&) = delete;
  // The data of each "state" event read within `time` (or until `count` came).
  std::vector<std::string> Read(std::chrono::milliseconds time, size_t count = 1000000);
  int status() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace webtest
