// One HTTP connection of the web port: reads requests (a body at most
// kBodyLimit bytes), checks each against the guard, answers it from the REST
// API or hands the connection to the event stream.
#pragma once

#include <boost/asio/ip/tcp.hpp>
#include <memory>
#include <string>

#include "event_stream.h"
#include "request_guard.h"
#include "web_model.h"

namespace rvweb {

constexpr size_t kBodyLimit = size_t{64} * 1024;
constexpr size_t kHeaderLimit = size_t{16} * 1024;

struct WebContext {
  WebModel& model;
  GuardPolicy policy;
  std::string instance;
  std::shared_ptr<EventStream> events;
};

// Serves `socket` (whose executor is the web port's strand) until it closes.
void ServeHttp(boost::asio::ip::tcp::socket socket, std::shared_ptr<const WebContext> context);

}  // namespace rvweb
