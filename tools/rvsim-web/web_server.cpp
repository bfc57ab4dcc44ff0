#include "web_server.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/strand.hpp>
#include <chrono>
#include <random>

#include "event_stream.h"
#include "http_session.h"

namespace rvweb {

namespace asio = boost::asio;
using asio::ip::tcp;

struct WebServer::State : std::enable_shared_from_this<WebServer::State> {
  State(asio::io_context& io, WebModel& m)
      : strand(asio::make_strand(io)), acceptor(strand), model(m) {}

  void Accept() {
    acceptor.async_accept(strand, [self = shared_from_this()](
                                      const boost::system::error_code& error, tcp::socket socket) {
      if (error == asio::error::operation_aborted || !self->acceptor.is_open()) return;
      if (!error) ServeHttp(std::move(socket), self->context);
      self->Accept();
    });
  }

  Strand strand;
  tcp::acceptor acceptor;
  WebModel& model;
  std::shared_ptr<const WebContext> context;
};

namespace {

// Tells one run of the server from the next, so a page that reconnects knows
// whether the trace it holds still belongs to this server.
std::string NewInstance() {
  std::random_device random;
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  return std::to_string(static_cast<unsigned long long>(now)) + "-" + std::to_string(random());
}

}  // namespace

WebServer::WebServer(asio::io_context& io, WebModel& model)
    : state_(std::make_shared<State>(io, model)) {}

WebServer::~WebServer() = default;

bool WebServer::Start(const WebOptions& options, std::string* error) {
  if (!CheckWebOptions(options, error)) return false;
  boost::system::error_code failure;
  const asio::ip::address address = asio::ip::make_address(options.listen, failure);
  if (failure) {
    *error = "--http-listen " + options.listen + ": not an IP address";
    return false;
  }
  const tcp::endpoint endpoint(address, options.port);
  tcp::acceptor& acceptor = state_->acceptor;
  acceptor.open(endpoint.protocol(), failure);
  if (!failure) acceptor.set_option(tcp::acceptor::reuse_address(true), failure);
  if (!failure) acceptor.bind(endpoint, failure);
  if (!failure) acceptor.listen(asio::socket_base::max_listen_connections, failure);
  if (failure) {
    *error = "web port " + options.listen + ":" + std::to_string(options.port) + ": " +
             failure.message();
    return false;
  }
  const std::string instance = NewInstance();
  auto events =
      std::make_shared<EventStream>(state_->strand, state_->model, instance, StreamTiming{});
  state_->context = std::make_shared<const WebContext>(WebContext{
      state_->model, MakeGuardPolicy(options.listen, Port(), options.names, options.token),
      instance, events});
  state_->Accept();
  return true;
}

unsigned short WebServer::Port() const {
  boost::system::error_code ignored;
  return state_->acceptor.local_endpoint(ignored).port();
}

size_t WebServer::Watchers() const {
  return state_->context == nullptr ? 0 : state_->context->events->SubscriberCount();
}

void WebServer::Stop() {
  asio::post(state_->strand, [state = state_] {
    boost::system::error_code ignored;
    state->acceptor.close(ignored);
    if (state->context != nullptr) state->context->events->Stop();
  });
}

}  // namespace rvweb
