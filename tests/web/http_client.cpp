#include "http_client.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

namespace webtest {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using asio::ip::tcp;

namespace {

constexpr std::chrono::seconds kReplyTime{10};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

HttpReply Exchange(unsigned short port, const HttpCall& call) {
  asio::io_context io;
  beast::tcp_stream stream(io);
  stream.expires_after(kReplyTime);
  HttpReply reply;
  beast::error_code error;
  stream.connect(tcp::endpoint(asio::ip::make_address("127.0.0.1"), port), error);
  if (error) return reply;
  http::request<http::string_body> request{http::string_to_verb(call.method), call.target, 11};
  if (request.method() == http::verb::unknown) request.method_string(call.method);
  if (call.headers.count("Host") == 0)
    request.set(http::field::host, "127.0.0.1:" + std::to_string(port));
  for (const auto& [name, value] : call.headers) {
    if (!value.empty()) request.set(name, value);
  }
  request.body() = call.body;
  request.prepare_payload();
  http::write(stream, request, error);
  beast::flat_buffer buffer;
  http::response_parser<http::string_body> parser;
  parser.body_limit(64 << 20);
  parser.skip(request.method() == http::verb::head);
  http::read(stream, buffer, parser, error);
  if (!parser.is_header_done()) return reply;
  const auto& response = parser.get();
  reply.status = static_cast<int>(response.result_int());
  for (const auto& field : response) {
    reply.headers[Lower(std::string(field.name_string()))] = std::string(field.value());
  }
  reply.body = response.body();
  return reply;
}

struct EventReader::Impl {
  asio::io_context io;
  tcp::socket socket{io};
  std::string pending;
  int status = 0;
  bool headerDone = false;
};

EventReader::EventReader(unsigned short port) : impl_(std::make_unique<Impl>()) {
  beast::error_code error;
  impl_->socket.connect(tcp::endpoint(asio::ip::make_address("127.0.0.1"), port), error);
  const std::string request =
      "GET /api/v1/events HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
      "\r\nAccept: text/event-stream\r\n\r\n";
  if (!error) asio::write(impl_->socket, asio::buffer(request), error);
}

EventReader::~EventReader() = default;

int EventReader::status() const {
  return impl_->status;
}

std::vector<std::string> EventReader::Read(std::chrono::milliseconds time, size_t count) {
  std::vector<std::string> events;
  const auto deadline = std::chrono::steady_clock::now() + time;
  char chunk[65536];
  while (events.size() < count) {
    // Whole events already read are taken first.
    if (!impl_->headerDone) {
      const size_t end = impl_->pending.find("\r\n\r\n");
      if (end != std::string::npos) {
        impl_->status = std::atoi(impl_->pending.substr(9, 3).c_str());
        impl_->pending.erase(0, end + 4);
        impl_->headerDone = true;
        continue;
      }
    } else {
      const size_t end = impl_->pending.find("\n\n");
      if (end != std::string::npos) {
        const std::string event = impl_->pending.substr(0, end);
        impl_->pending.erase(0, end + 2);
        const std::string mark = "event: state\ndata: ";
        if (event.rfind(mark, 0) == 0) events.push_back(event.substr(mark.size()));
        continue;
      }
    }
    const auto left = deadline - std::chrono::steady_clock::now();
    if (left <= std::chrono::milliseconds(0)) break;
    impl_->io.restart();
    size_t got = 0;
    beast::error_code error = asio::error::would_block;
    impl_->socket.async_read_some(asio::buffer(chunk), [&](beast::error_code e, size_t n) {
      error = e;
      got = n;
    });
    impl_->io.run_for(std::chrono::duration_cast<std::chrono::milliseconds>(left));
    if (error == asio::error::would_block) {
      impl_->socket.cancel();
      impl_->io.run();
      break;
    }
    if (error) break;
    impl_->pending.append(chunk, got);
  }
  return events;
}

}  // namespace webtest
