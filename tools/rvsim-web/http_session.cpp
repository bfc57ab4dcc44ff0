#include "http_session.h"

#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <optional>

#include "rest_api.h"

namespace rvweb {
namespace {

namespace beast = boost::beast;
namespace http = beast::http;
using Request = http::request<http::string_body>;
using Response = http::response<http::string_body>;

constexpr std::chrono::seconds kIdleTimeout{30};
constexpr std::chrono::seconds kLingerTime{2};
constexpr size_t kLingerBytes = 1 << 20;

const char kPagePolicy[] =
    "default-src 'self'; script-src 'self'; style-src 'self'; img-src 'self' data:; "
    "connect-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'; "
    "frame-ancestors 'none'";

std::string Header(const Request& request, http::field field) {
  const auto found = request.find(field);
  return found == request.end() ? std::string() : std::string(found->value());
}

RequestFacts FactsOf(const Request& request) {
  return {std::string(request.method_string()), Header(request, http::field::host),
          Header(request, http::field::origin), Header(request, http::field::content_type),
          Header(request, http::field::authorization)};
}

Response MakeResponse(const ApiAnswer& answer, unsigned version, bool keepAlive, bool head) {
  Response response{static_cast<http::status>(answer.status), version};
  response.set(http::field::content_type, answer.contentType);
  response.set(http::field::cache_control, "no-store");
  response.set("X-Content-Type-Options", "nosniff");
  response.set("X-Frame-Options", "DENY");
  response.set("Referrer-Policy", "no-referrer");
  if (answer.asset != nullptr) {
    response.set("Content-Security-Policy", kPagePolicy);
    response.body().assign(reinterpret_cast<const char*>(answer.asset->data), answer.asset->size);
  } else {
    response.body() = answer.body;
  }
  if (!answer.allow.empty()) response.set(http::field::allow, answer.allow);
  if (answer.status == 401) response.set(http::field::www_authenticate, "Bearer");
  response.keep_alive(keepAlive);
  response.prepare_payload();
  if (head) response.body().clear();
  return response;
}

class HttpSession : public std::enable_shared_from_this<HttpSession> {
 public:
  HttpSession(boost::asio::ip::tcp::socket socket, std::shared_ptr<const WebContext> context)
      : stream_(std::move(socket)), context_(std::move(context)) {}

  void Read() {
    parser_.emplace();
    parser_->body_limit(kBodyLimit);
    parser_->header_limit(kHeaderLimit);
    stream_.expires_after(kIdleTimeout);
    http::async_read_header(
        stream_, buffer_, *parser_,
        [self = shared_from_this()](beast::error_code error, size_t) { self->OnHeader(error); });
  }

 private:
  // A client that waits for "100 Continue" before its body (curl does for a
  // larger one) is told to go on, unless the body is already known too large.
  void OnHeader(beast::error_code error) {
    if (error) return OnRead(error);
    const auto& header = parser_->get();
    const auto expect = header.find(http::field::expect);
    const bool waits = expect != header.end() && beast::iequals(expect->value(), "100-continue");
    if (!waits || parser_->is_done()) return ReadBody();
    continue_ = std::make_shared<http::response<http::empty_body>>(http::status::continue_,
                                                                   header.version());
    http::async_write(stream_, *continue_,
                      [self = shared_from_this()](beast::error_code failure, size_t) {
                        if (failure) return self->Close();
                        self->ReadBody();
                      });
  }

  void ReadBody() {
    http::async_read(
        stream_, buffer_, *parser_,
        [self = shared_from_this()](beast::error_code error, size_t) { self->OnRead(error); });
  }

  void OnRead(beast::error_code error) {
    if (error == http::error::body_limit) {
      return Answer(ErrorAnswer(413, "the body is over " + std::to_string(kBodyLimit) + " bytes"),
                    11, false, false);
    }
    if (error == http::error::header_limit) {
      return Answer(ErrorAnswer(431, "the header is too large"), 11, false, false);
    }
    if (error == http::error::end_of_stream || error == beast::error::timeout) return Close();
    if (error) {
      if (error.category() == http::make_error_code(http::error::bad_target).category()) {
        return Answer(ErrorAnswer(400, "malformed request: " + error.message()), 11, false, false);
      }
      return Close();
    }
    Request request = parser_->release();
    const bool head = request.method() == http::verb::head;
    std::string reason;
    const int refused = CheckRequest(context_->policy, FactsOf(request), &reason);
    if (refused != 0) return Answer(ErrorAnswer(refused, reason), request.version(), false, head);
    const std::string target(request.target());
    if (request.method() == http::verb::get && target.substr(0, target.find('?')) == kEventsPath) {
      return Subscribe(request.version());
    }
    const ApiAnswer answer =
        AnswerRequest({std::string(request.method_string()), target, std::move(request.body())},
                      context_->model, context_->instance);
    Answer(answer, request.version(), request.keep_alive(), head);
  }

  void Subscribe(unsigned version) {
    stream_.expires_never();
    boost::asio::ip::tcp::socket socket = stream_.release_socket();
    if (!context_->events->Subscribe(socket)) {
      stream_.socket() = std::move(socket);
      Answer(ErrorAnswer(503, "too many pages are watching"), version, false, false);
    }
  }

  void Answer(const ApiAnswer& answer, unsigned version, bool keepAlive, bool head) {
    response_ = std::make_shared<Response>(MakeResponse(answer, version, keepAlive, head));
    http::async_write(stream_, *response_,
                      [self = shared_from_this(), keepAlive](beast::error_code error, size_t) {
                        if (error || !keepAlive) return self->Close();
                        self->Read();
                      });
  }

  // Ends the connection after the answer: what the client still sends (the
  // rest of a body that was too large) is read and dropped for a moment, so
  // the client sees the answer rather than a reset.
  void Close() {
    beast::error_code ignored;
    stream_.socket().shutdown(boost::asio::ip::tcp::socket::shutdown_send, ignored);
    stream_.expires_after(kLingerTime);
    Drain();
  }

  void Drain() {
    stream_.async_read_some(boost::asio::buffer(drain_),
                            [self = shared_from_this()](beast::error_code error, size_t size) {
                              self->drained_ += size;
                              if (!error && self->drained_ < kLingerBytes) self->Drain();
                            });
  }

  beast::tcp_stream stream_;
  beast::flat_buffer buffer_;
  std::optional<http::request_parser<http::string_body>> parser_;
  std::shared_ptr<Response> response_;
  std::shared_ptr<http::response<http::empty_body>> continue_;
  std::shared_ptr<const WebContext> context_;
  char drain_[4096] = {};
  size_t drained_ = 0;
};

}  // namespace

void ServeHttp(boost::asio::ip::tcp::socket socket, std::shared_ptr<const WebContext> context) {
  std::make_shared<HttpSession>(std::move(socket), std::move(context))->Read();
}

}  // namespace rvweb
